#pragma once

#include <string>
#include <string_view>

namespace tarn::tools::import {

// Text shaped as Outlook stores it in an 8-bit MAPI string property.

// Every line end (LF, CR LF or a lone CR) as CR LF, as in stored bodies.
std::string WithCrLfLineEnds(std::string_view text);

// The NUL bytes removed: a MAPI 8-bit string ends at its first NUL, so a stored value holds none.
void RemoveNulBytes(std::string& value);

}  // namespace tarn::tools::import
