#include "tools/sim/dump_mode.h"

#include <cstdio>
#include <variant>

#include "tools/import/mailbox_reader.h"
#include "platform/codepage.h"
#include "tools/import/message_importer.h"
#include "tools/sim/exit_status.h"
#include "tools/sim/terminal_text.h"
#include "tools/sim/value_display.h"

namespace tarn::tools::sim {

namespace {

constexpr std::size_t ShownBytes = 200;

// "  PR_SUBJECT                    0x0037001E        17  ": name, tag and length in columns.
std::string PropertyColumns(const import::PropertyName& property, const std::string* value) {
    char columns[96];
    std::snprintf(columns, sizeof columns, "  %-29.*s 0x%08X  ", static_cast<int>(property.name.size()),
                  property.name.data(), static_cast<unsigned>(property.tag));
    std::string line = columns;
    if (value != nullptr) {
        std::snprintf(columns, sizeof columns, "%8zu  ", value->size());
        line += columns;
    }
    return line;
}

std::string_view RecipientTypeName(host::RecipientType type) {
    switch (type) {
        case host::RecipientType::To: return "Recipient To: ";
        case host::RecipientType::Cc: return "Recipient Cc: ";
        case host::RecipientType::Bcc: return "Recipient Bcc:";
    }
    return "Recipient";
}

void PrintMessage(const import::ImportedMessage& message, std::ostream& out) {
    out << "== " << TerminalUtf8(message.source.ToString()) << '\n';
    for (const auto& property : import::ImportedProperties) {
        const auto found = message.content.properties.find(property.tag);
        if (found == message.content.properties.end()) {
            out << PropertyColumns(property, nullptr) << "  absent\n";
        } else {
            out << PropertyColumns(property, &found->second) << DisplayValue(found->second, ShownBytes) << '\n';
        }
    }
    // The recipient table, as the item's Recipients collection gives it.
    for (const auto& recipient : message.content.recipients) {
        out << "  " << RecipientTypeName(recipient.type) << ' ' << DisplayValue(platform::ToUtf8(recipient.name), ShownBytes)
            << " <" << TerminalText(recipient.address) << ">\n";
    }
    out << '\n';
}

}  // namespace

int RunDump(const std::vector<std::filesystem::path>& mailboxes, std::ostream& out, std::ostream& errors) {
    bool all_read = true;
    const auto show = [&](import::MailboxEntry entry) {
        if (const auto* message = std::get_if<import::ImportedMessage>(&entry)) {
            PrintMessage(*message, out);
            return;
        }
        const auto& failure = std::get<import::ImportFailure>(entry);
        all_read = false;
        out.flush();  // keep the error beside the messages around it when both go to a terminal
        errors << "tarn4ol-sim: " << TerminalUtf8(failure.source.ToString()) << ": " << TerminalUtf8(failure.reason)
               << '\n';
    };
    for (const auto& mailbox : mailboxes) import::ReadMailbox(mailbox, show);
    return all_read ? exit_status::Success : exit_status::Failure;
}

}  // namespace tarn::tools::sim
