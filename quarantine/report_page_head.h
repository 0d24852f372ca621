#pragma once

#include <string>

namespace tarn::quarantine {

// The name a browser knows an ANSI code page by, as Windows declares it in the pages it
// writes: windows-1252, windows-1251, shift_jis, gb2312, ks_c_5601-1987, big5...
std::string CharsetNameOfCodePage(unsigned code_page);

// The head of every report page: the HTMLHEADERS template, each line ended by CR LF, its
// Content-Type line declaring the code page the page's rows are written in, so that a
// subject in Cyrillic, Greek or Japanese reads as it was sent.
std::string ReportPageHead(unsigned code_page);

}  // namespace tarn::quarantine
