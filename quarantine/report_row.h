#pragma once

#include <string>
#include <string_view>

namespace tarn::quarantine {

// The text cut to `limit` characters, the last three being "..." when it was longer.
std::u16string TruncateWithEllipsis(const std::u16string& text, std::size_t limit);

// Text from a message made safe to stand in a report page: & < > " ' become entities, and so
// does $, so that a subject holding "$nbmsgs$" is shown as written, not as a count.
std::u16string HtmlEscaped(std::u16string_view text);

// One row of the inbox report for a spam message: recipients, subject in bold with the
// reason in italics under it, sender. Every text from the message is cut first, then escaped.
// 8-bit texts in and out, in the system code page.
std::string InboxReportRow(std::string_view display_to, std::string_view subject, std::string_view reason,
                           std::string_view sender_address);

// The folder report's row for a spam message the folder analysis found: recipients and sender
// cut to 20 characters, the subject whole up to 75 characters and else its first 73 followed
// by "...", the reason in italics under it. Cut first, then escaped, as the inbox row.
std::string FolderReportRow(std::string_view display_to, std::string_view subject, std::string_view reason,
                            std::string_view sender_address);

// The row the folder analysis adds to the pending inbox report as it moves a message: as the
// inbox row, without a reason.
std::string MovedSpamRow(std::string_view display_to, std::string_view subject, std::string_view sender_address);

}  // namespace tarn::quarantine
