#include "quarantine/report_page_head.h"

#include <string_view>

#include "screening/text_tools.h"

namespace tarn::quarantine {

namespace {

// What the template declares; the rows are in the code page of the machine instead.
constexpr std::string_view TemplateCharset = "charset=iso-8859-1";

}  // namespace

std::string CharsetNameOfCodePage(unsigned code_page) {
    switch (code_page) {
        case 874: return "windows-874";
        case 932: return "shift_jis";
        case 936: return "gb2312";
        case 949: return "ks_c_5601-1987";
        case 950: return "big5";
        case 65001: return "utf-8";
        default: return "windows-" + std::to_string(code_page);
    }
}

std::string ReportPageHead(unsigned code_page) {
    std::string head;
    for (std::string line : screening::LoadResourceLines("HTMLHEADERS")) {
        if (const auto at = line.find(TemplateCharset); at != std::string::npos) {
            line.replace(at, TemplateCharset.size(), "charset=" + CharsetNameOfCodePage(code_page));
        }
        head += line;
        head += "\r\n";
    }
    return head;
}

}  // namespace tarn::quarantine
