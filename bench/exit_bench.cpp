// What Outlook's close costs the user: today's Outlook ends its process after the application's
// Quit, so the add-in writes there what still waited (a friend of the last sent message into a
// friends list of 100,000 entries, a lesson into a file of 100,000 lessons) and makes the report
// on exit. The main window's close and Quit come together; the benchmark times the whole close.
#include <fstream>
#include <sstream>

#include "bench/bench_support.h"
#include "platform/codepage.h"
#include "platform/mapi.h"
#include "store/user_lists.h"
#include "tools/sim/addin_session.h"

namespace tarn::bench {
namespace {

namespace tag = platform::prop_tag;

// The first banned sender of a list file the synthetic lists wrote.
std::string FirstBannedSender(const std::filesystem::path& folder) {
    std::ifstream in(folder / "BanSenders.tarn");
    std::string line;
    std::getline(in, line);  // the marker
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

void QuitWithLargeLists(benchmark::State& state) {
    StateFolder folder;
    WriteSyntheticLists(folder.Path(), 100000);
    WriteLessons(folder.Path(), 100000);
    const std::string banned = FirstBannedSender(folder.Path());
    PerItemTimes times;
    int run = 0;
    for (auto _ : state) {
        std::ostringstream messages;
        tools::sim::AddinSession session(folder.Path(), messages);
        session.Start();
        // A message the user just sent: its recipient waits to be written among the friends.
        host::sim::ItemContent sent;
        sent.recipients.push_back({u"", u"new.friend" + platform::Widen(std::to_string(++run)) + u"@example.org"});
        session.Deliver(host::DefaultFolder::SentMail, std::move(sent));
        // A spam of a banned sender: a row of the report on exit.
        host::sim::ItemContent spam;
        spam.properties = {{tag::SenderEmailAddress, banned}, {tag::Subject, "Offer"}, {tag::Body, "Buy now"}};
        session.Deliver(host::DefaultFolder::Inbox, std::move(spam));
        // A message the user forbids: a lesson waits to be written.
        host::sim::ItemContent kept;
        kept.properties = {{tag::SenderEmailAddress, "foe" + std::to_string(run) + "@shop.example"},
                           {tag::Subject, "Weekly deals " + std::to_string(run)},
                           {tag::Body, "Deals of the week number " + std::to_string(run)}};
        session.Deliver(host::DefaultFolder::Inbox, std::move(kept), [&](const std::shared_ptr<host::sim::SimItem>& item) {
            session.SelectItem(item);
            session.Click(u"btnRedFace");
        });
        times.Time([&] { session.Stop(); });
        if (session.ContainedFailures() > 0) state.SkipWithError(messages.str().c_str());
        if (session.ReportsOpened() != 1) state.SkipWithError("no report was made at exit");
    }
    times.Report(state);
}
BENCHMARK(QuitWithLargeLists)->Iterations(10)->Unit(benchmark::kMillisecond);

// One list of 100,000 entries written as the friends of sent mail are: the text made, written,
// flushed to the disk and put in place of the old file.
void SaveLargeList(benchmark::State& state) {
    StateFolder folder;
    WriteSyntheticLists(folder.Path(), 100000);
    const auto lists = store::UserLists::CreateLists(folder.Path(), BenchDiagnostics());
    PerItemTimes times;
    int run = 0;
    for (auto _ : state) {
        lists->List(store::ListKind::FriendSenders).Add("friend" + std::to_string(++run) + "@example.org");
        times.Time([&] { lists->SaveList(store::ListKind::FriendSenders); });
    }
    times.Report(state);
}
BENCHMARK(SaveLargeList)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn::bench
