#pragma once

#include <string>
#include <string_view>

namespace tarn::tools::import {

// Text bytes in the charset that a message part declares, as well-formed UTF-8.
//
// Labels are read the way mail readers read them, because mail gets them wrong: no label,
// an ASCII label or a label no converter knows means UTF-8 when the bytes are valid UTF-8 and
// Windows-1252 otherwise; ISO-8859-1 means its superset Windows-1252. A byte sequence the
// charset cannot hold becomes U+FFFD.
std::string DecodeToUtf8(std::string_view bytes, std::string_view charset);

}  // namespace tarn::tools::import
