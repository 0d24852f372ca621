#include "tools/import/mbox_from_line.h"

namespace tarn::tools::import {

bool IsMboxFromLine(std::string_view line) { return line.starts_with("From "); }

std::string_view WithoutMboxFromLine(std::string_view raw) {
    if (!IsMboxFromLine(raw)) return raw;
    const auto end = raw.find('\n');
    return end == std::string_view::npos ? std::string_view{} : raw.substr(end + 1);
}

}  // namespace tarn::tools::import
