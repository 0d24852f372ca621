#include "platform/text_file.h"

#include "platform/codepage.h"

namespace tarn::platform {

std::string DecodeTextFile(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::u16string wide;
        wide.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        }
        return Narrow(wide);
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return Utf8ToAnsi(bytes.substr(3));
    return std::string(bytes);
}

}  // namespace tarn::platform
