#include "tools/stream/report_format.h"

#include <iomanip>
#include <locale>
#include <sstream>

namespace tarn::tools::stream {

std::string Fixed(double value, int decimals) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

std::string CountAndShare(std::size_t part, std::size_t whole) {
    const double percent = whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
    return std::to_string(part) + " (" + Fixed(percent, 2) + "%)";
}

}  // namespace tarn::tools::stream
