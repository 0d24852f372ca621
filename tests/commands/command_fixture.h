#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "commands/command_context.h"
#include "platform/dynamic_library.h"
#include "quarantine/inbox_report.h"
#include "screening/alphabet_tokens.h"
#include "screening/list_matcher.h"
#include "screening/rules_engine.h"
#include "screening/screening_rules.h"
#include "store/settings.h"
#include "store/user_lists.h"
#include "tests/support/sim_environment.h"

namespace tarn::commands {

namespace tag = platform::prop_tag;

// A command in the test host with what the add-in gives it: the user's lists and settings in
// a fresh installation folder, the tests' probe engine (a text holding "RATE=n" rates n), the
// pending inbox report, and the main window open on the Inbox.
struct CommandWorld : test_support::SimEnvironment {
    screening::MailItemView view{mapi};
    store::Captions captions;
    store::Settings settings;
    std::unique_ptr<store::UserLists> lists = store::UserLists::CreateLists(dir.Path(), services.diagnostics);
    screening::ListMatchers matchers;
    screening::AlphabetTokens alphabets;
    screening::RulesEngine engine{platform::OwnModuleFolder() / "probe-engine", {}};
    quarantine::InboxReport report{dir.Path(), services};
    std::shared_ptr<host::sim::SimExplorer> explorer = outlook.OpenExplorer(outlook.Inbox());

    CommandContext Context() { return {*outlook.Application(), captions, dialogs, services, view}; }

    // A mail item with a charset, so that every test of the cascade applies.
    std::shared_ptr<host::sim::SimItem> Mail(const std::shared_ptr<host::sim::SimFolder>& folder, std::string sender,
                                             std::string subject, std::string body = "RATE=0") {
        return outlook.AddItem(folder, {{tag::SenderEmailAddress, std::move(sender)},
                                        {tag::Subject, std::move(subject)},
                                        {tag::Body, std::move(body)},
                                        {tag::DisplayTo, "Tom Baker"},
                                        {tag::TransportMessageHeaders, "Content-Type: text/plain; charset=utf-8\r\n"}});
    }
    void Add(store::ListKind kind, const char* entry) { lists->List(kind).Add(entry); }
    std::shared_ptr<host::sim::SimFolder> Quarantine() { return outlook.Inbox()->Subfolders().Find(u"Quarantine"); }
    const dialogs::ProgressWindowRecord& Window(std::size_t index = 0) { return *dialogs.ProgressWindows().at(index); }
};

class CommandFixture : public ::testing::Test, protected CommandWorld {};

}  // namespace tarn::commands
