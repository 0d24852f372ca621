#include "quarantine/report_row.h"

#include "platform/codepage.h"

namespace tarn::quarantine {

namespace {

constexpr std::size_t RecipientsLimit = 20;
constexpr std::size_t SubjectLimit = 50;
constexpr std::size_t SenderLimit = 20;
constexpr std::size_t FolderSubjectWhole = 75;
constexpr std::size_t FolderSubjectKept = 73;

std::u16string Cell(std::string_view text, std::size_t limit) {
    return HtmlEscaped(TruncateWithEllipsis(platform::Widen(text), limit));
}

// The folder report keeps a subject whole up to 75 characters; a longer one keeps 73 and "...".
std::u16string FolderSubjectCell(std::string_view subject) {
    std::u16string text = platform::Widen(subject);
    if (text.size() > FolderSubjectWhole) text = text.substr(0, FolderSubjectKept) + u"...";
    return HtmlEscaped(text);
}

}  // namespace

std::u16string TruncateWithEllipsis(const std::u16string& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    return text.substr(0, limit >= 3 ? limit - 3 : 0) + u"...";
}

std::u16string HtmlEscaped(std::u16string_view text) {
    std::u16string escaped;
    escaped.reserve(text.size());
    for (const char16_t ch : text) {
        switch (ch) {
            case u'&': escaped += u"&amp;"; break;
            case u'<': escaped += u"&lt;"; break;
            case u'>': escaped += u"&gt;"; break;
            case u'"': escaped += u"&quot;"; break;
            case u'\'': escaped += u"&#39;"; break;
            // Looks the same in the browser, and never completes a report placeholder.
            case u'$': escaped += u"&#36;"; break;
            default: escaped += ch;
        }
    }
    return escaped;
}

std::string InboxReportRow(std::string_view display_to, std::string_view subject, std::string_view reason,
                           std::string_view sender_address) {
    const std::u16string row = u"<TR><TD>" + Cell(display_to, RecipientsLimit) + u"</TD><TD><B>" +
                               Cell(subject, SubjectLimit) + u"</B><BR><I>" + HtmlEscaped(platform::Widen(reason)) +
                               u"</I></TD><TD>" + Cell(sender_address, SenderLimit) + u"</TD></TR>";
    return platform::Narrow(row);
}

std::string FolderReportRow(std::string_view display_to, std::string_view subject, std::string_view reason,
                            std::string_view sender_address) {
    const std::u16string row = u"<TR><TD>" + Cell(display_to, RecipientsLimit) + u"</TD><TD><B>" + FolderSubjectCell(subject) +
                               u"<BR></B><I>" + HtmlEscaped(platform::Widen(reason)) + u"</I></TD><TD>" +
                               Cell(sender_address, SenderLimit) + u"</TD></TR>";
    return platform::Narrow(row);
}

std::string MovedSpamRow(std::string_view display_to, std::string_view subject, std::string_view sender_address) {
    const std::u16string row = u"<TR><TD>" + Cell(display_to, RecipientsLimit) + u"</TD><TD><B>" + Cell(subject, SubjectLimit) +
                               u"</B></TD><TD>" + Cell(sender_address, SenderLimit) + u"</TD></TR>";
    return platform::Narrow(row);
}

}  // namespace tarn::quarantine
