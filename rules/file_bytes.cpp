#include "rules/file_bytes.h"

#include <fstream>
#include <system_error>

namespace tarn::rules {

std::optional<std::vector<unsigned char>> ReadFileBytes(const std::filesystem::path& file, std::uintmax_t min_size,
                                                        std::uintmax_t max_size) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size < min_size || size > max_size) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
    return bytes;
}

}  // namespace tarn::rules
