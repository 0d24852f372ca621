#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace tarn::rules {

// A file's bytes, read in one piece; nothing when it cannot be read whole or its size lies
// outside the bounds.
std::optional<std::vector<unsigned char>> ReadFileBytes(const std::filesystem::path& file, std::uintmax_t min_size,
                                                        std::uintmax_t max_size);

}  // namespace tarn::rules
