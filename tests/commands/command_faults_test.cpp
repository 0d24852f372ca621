// Outlook may refuse any call a folder command makes (a store offline, an item locked by
// another program). Whichever member fails, once or every time, no message is lost, no
// progress window stays open, the user's list files keep what they held, and the only failure
// reaching the command dispatcher is Outlook's own.
#include <gmock/gmock.h>

#include <functional>
#include <map>

#include "commands/analyze_folder.h"
#include "commands/friend_scans.h"
#include "commands/mark_senders.h"
#include "host/host_error.h"
#include "host/sim/sim_items.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

using store::ListKind;

// The user's store with something for each command to do: a folder "Old mail" shown, two of
// its messages selected, a contact, a sent message, and list files already holding entries.
struct Scene : CommandWorld {
    Scene() {
        outlook.AddFolder(outlook.Inbox(), u"Quarantine");
        shown = outlook.AddFolder(outlook.Inbox(), u"Old mail");
        const auto ham = Keep(Mail(shown, "ann@example.com", "Minutes", "RATE=10"));
        const auto spam = Keep(Mail(shown, "bob@spam.example", "Watches", "RATE=90"));
        Keep(Mail(shown, "bob@spam.example", "More watches", "RATE=0"));
        Keep(Mail(shown, "carol@example.org", "Lunch", "RATE=40"));
        Keep(outlook.AddItem(shown, {{tag::Subject, "Meeting"}}, host::item_class::Appointment));
        Keep(Mail(outlook.Inbox(), "dave@example.net", "Hello", "RATE=0"));
        Keep(outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({"eve@example.com"}),
                             host::item_class::Contact));
        host::sim::ItemContent sent;
        sent.properties = {{tag::Subject, "sent"}, {tag::DisplayTo, "frank@example.com"}};
        sent.recipients = {{u"Frank", u"frank@example.com"}};
        Keep(outlook.AddMail(outlook.DefaultFolder(host::DefaultFolder::SentMail), std::move(sent)));
        Add(ListKind::FriendSenders, "kept.friend@example.org");
        Add(ListKind::BannedSenders, "kept.foe@spam.example");
        lists->SaveList(ListKind::FriendSenders);
        lists->SaveList(ListKind::BannedSenders);
        outlook.SetCurrentFolder(explorer, shown);
        outlook.Select(explorer, {ham, spam});
        outlook.PumpEvents();
    }

    std::shared_ptr<host::sim::SimItem> Keep(std::shared_ptr<host::sim::SimItem> item) {
        items.push_back(item);
        return item;
    }

    std::shared_ptr<host::sim::SimFolder> shown;
    std::vector<std::shared_ptr<host::sim::SimItem>> items;
};

struct FolderCommand {
    const char* name;
    std::function<void(Scene&)> run;
};

const FolderCommand Commands[] = {
    {"AnalyzeCurrentFolder",
     [](Scene& scene) {
         const screening::ScreeningRules rules(*scene.lists, scene.matchers, scene.view);
         AnalyzeCurrentFolder(scene.Context(), {rules, scene.alphabets, scene.settings, scene.engine}, scene.report,
                              scene.dir.Path());
     }},
    {"MarkSendersAsFriends",
     [](Scene& scene) { MarkSenders(scene.Context(), SenderVerdict::Friends, *scene.lists, scene.settings, scene.engine); }},
    {"MarkSendersAsFoes",
     [](Scene& scene) { MarkSenders(scene.Context(), SenderVerdict::Foes, *scene.lists, scene.settings, scene.engine); }},
    {"ProtectCurrentFolder", [](Scene& scene) { ProtectCurrentFolder(scene.Context(), *scene.lists); }},
    {"ScanContacts", [](Scene& scene) { ScanContacts(scene.Context(), *scene.lists); }},
    {"ProtectSentMail", [](Scene& scene) { ProtectSentMail(scene.Context(), *scene.lists, scene.settings); }},
};

// The members of Outlook the command calls in the scene when nothing fails.
std::vector<std::string> MembersCalledBy(const FolderCommand& command) {
    Scene scene;
    std::map<std::string, long> before;
    for (const auto& member : scene.outlook.CalledMembers()) before[member] = scene.outlook.Calls(member);
    command.run(scene);
    std::vector<std::string> called;
    for (const auto& member : scene.outlook.CalledMembers())
        if (scene.outlook.Calls(member) > before[member]) called.push_back(member);
    return called;
}

// Runs the command with the member refused (`times` calls, or every call when 0) and checks
// what must hold however Outlook fails.
void ExpectNothingLost(const FolderCommand& command, const std::string& member, int times) {
    SCOPED_TRACE(std::string(command.name) + " with " + member + (times == 0 ? " always" : " once") + " refused");
    Scene scene;
    if (times == 0) {
        scene.outlook.Faults().Refuse(member);
    } else {
        scene.outlook.Faults().Refuse(member, times);
    }
    try {
        command.run(scene);
    } catch (const host::HostError&) {
        // Outlook's failure, which the dispatcher shows the user.
    } catch (const std::exception& error) {
        ADD_FAILURE() << "a failure that is not Outlook's reached the dispatcher: " << error.what();
    }
    scene.outlook.Faults().AllowAll();
    for (const auto& item : scene.items) {
        const auto folder = item->Location();
        ASSERT_NE(folder, nullptr) << "a message was deleted";
        EXPECT_NE(folder, scene.outlook.DeletedItems());
        EXPECT_TRUE(folder->StoredItems().Contains(*item->Latest())) << "a message is in no folder's items";
    }
    for (const auto& window : scene.dialogs.ProgressWindows()) EXPECT_TRUE(window->destroyed) << "a window stays open";
    EXPECT_THAT(scene.dir.Read("OKsenders.tarn"), ::testing::HasSubstr("kept.friend@example.org\r\n"));
    EXPECT_THAT(scene.dir.Read("BanSenders.tarn"), ::testing::HasSubstr("kept.foe@spam.example\r\n"));
}

TEST(FolderCommandFaults, WhicheverOutlookMemberFailsNoMessageOrListEntryIsLost) {
    for (const auto& command : Commands) {
        const auto members = MembersCalledBy(command);
        EXPECT_GE(members.size(), 4u) << command.name << " calls so few members that the scene is wrong";
        for (const auto& member : members) {
            ExpectNothingLost(command, member, 1);
            ExpectNothingLost(command, member, 0);
        }
    }
}

}  // namespace
}  // namespace tarn::commands
