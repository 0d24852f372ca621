#pragma once

#include <string>
#include <string_view>

namespace tarn::platform {

// The add-in keeps 8-bit text in the system ANSI code page and meets the host in UTF-16.
// Windows converts with the ANSI code page of the machine; Linux with Windows-1252, the
// code page of the add-in's Western European users.

// The number of the ANSI code page the 8-bit text is in (1252 on Linux).
unsigned AnsiCodePage();

// ANSI to UTF-16. Every byte converts.
std::u16string Widen(std::string_view ansi);
// UTF-16 to ANSI; a character the code page lacks becomes '?'.
std::string Narrow(std::u16string_view text);

// UTF-8 to UTF-16 and back, for text that arrives as UTF-8 (mailbox files, JSON output).
// An ill-formed UTF-8 sequence becomes U+FFFD; a lone surrogate becomes U+FFFD.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

// UTF-8 straight to ANSI, for text decoded by the mailbox importer.
inline std::string Utf8ToAnsi(std::string_view utf8) { return Narrow(FromUtf8(utf8)); }

}  // namespace tarn::platform
