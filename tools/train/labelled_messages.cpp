#include "tools/train/labelled_messages.h"

#include <variant>

#include "tools/import/mailbox_reader.h"
#include "tools/train/screening_text_source.h"

namespace tarn::tools::train {

LabelledMail ReadLabelledMessages(const std::vector<std::filesystem::path>& ham,
                                  const std::vector<std::filesystem::path>& spam, std::ostream& errors) {
    ScreeningTextSource source;
    LabelledMail mail;
    const auto read = [&](const std::vector<std::filesystem::path>& mailboxes, bool is_spam) {
        for (const auto& mailbox : mailboxes) {
            import::ReadMailbox(mailbox, [&](import::MailboxEntry entry) {
                if (auto* message = std::get_if<import::ImportedMessage>(&entry)) {
                    mail.messages.push_back({mailbox.string(), message->source.ToString(),
                                             source.ScreeningText(std::move(message->content.properties)), is_spam});
                    return;
                }
                const auto& failure = std::get<import::ImportFailure>(entry);
                ++mail.unreadable;
                errors << "tarnrules-train: " << failure.source.ToString() << ": " << failure.reason << '\n';
            });
        }
    };
    read(ham, false);
    read(spam, true);
    return mail;
}

}  // namespace tarn::tools::train
