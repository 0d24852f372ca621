#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::platform {

// A Windows initialization file ("[section]" headers, "key=value" lines), read by the Windows
// profile rules: section and key names ignore letter case, values lose surrounding blanks and
// one pair of matching quotes, and a value is at most 2047 characters long. A missing file,
// section or key gives the fallback; a key with nothing after "=" gives the empty text.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;

private:
    std::filesystem::path path_;
#ifndef _WIN32
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> entries_;  // in file order
#endif
};

inline constexpr std::size_t MaxProfileValueLength = 2047;

}  // namespace tarn::platform
