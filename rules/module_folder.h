#pragma once

#include <filesystem>

namespace tarn::rules {

// The folder of the engine library itself (not of the program that loaded it): its data lies
// beside it. Empty when the system cannot tell.
std::filesystem::path EngineLibraryFolder();

}  // namespace tarn::rules
