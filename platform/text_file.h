#pragma once

#include <string>
#include <string_view>

namespace tarn::platform {

// The text of a configuration file in the system code page. Windows tools write UTF-16 with a
// byte-order mark (regedit, Notepad's "Unicode"), editors often UTF-8 with one; such files are
// converted, and bytes without a mark are taken as they are.
std::string DecodeTextFile(std::string_view bytes);

}  // namespace tarn::platform
