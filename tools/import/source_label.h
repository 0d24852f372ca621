#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tarn::tools::import {

// Where a message came from: its file and, in an mbox file, its place there.
struct SourceLabel {
    std::filesystem::path file;
    std::optional<std::size_t> position;  // 1 for an mbox file's first message

    // "path" or, for a message of an mbox file, "path#position".
    std::string ToString() const;
};

}  // namespace tarn::tools::import
