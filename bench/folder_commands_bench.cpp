// The commands that walk a whole folder on Outlook's user-interface thread: "Complete Analysis
// of the Current Folder" and the sweep of "Forbid Sender(s)", over folders of 1,000 to 100,000
// corpus messages. Each run starts from a fresh state and a fresh folder; only the click is
// timed. `us_per_item` is the click's time divided by the folder's item count, to be read
// against OnInboxItemAdd's time per message and against itself at the other folder sizes.
#include <chrono>
#include <set>
#include <sstream>

#include "bench/bench_support.h"
#include "host/sim/sim_items.h"
#include "platform/mapi.h"
#include "tools/sim/addin_session.h"
#include "tools/sim/store_paths.h"

namespace tarn::bench {
namespace {

// The add-in started on a fresh state, with lists of 100 entries each, and a folder
// "Inbox/Old mail" holding `count` corpus messages (the corpus over and over) that no add-in
// screened on arrival, shown in the main window.
class FolderRun {
public:
    explicit FolderRun(std::size_t count) {
        WriteSyntheticLists(folder_.Path(), 100);
        session_ = std::make_unique<tools::sim::AddinSession>(folder_.Path(), messages_);
        shown_ = tools::sim::FolderAt(session_->Outlook(), "Inbox/Old mail", true);
        const auto& corpus = CorpusMessages();
        // A prime stride spreads any stretch of the folder over the whole corpus, so that the
        // small folders hold ham and spam in the same shares as the large ones.
        constexpr std::size_t Stride = 7919;
        for (std::size_t i = 0; i < count; ++i) session_->Keep(shown_, {corpus[i * Stride % corpus.size()], {}});
        session_->Start();
        session_->Show(shown_);
    }

    tools::sim::AddinSession& Session() { return *session_; }
    host::sim::SimFolder& Shown() { return *shown_; }

    // Clicks the button and gives the time the click held Outlook up, in microseconds.
    double TimedClick(const std::u16string& tag) {
        const auto start = std::chrono::steady_clock::now();
        if (!session_->Click(tag)) throw std::runtime_error("the main window has no such button");
        return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    }

    // How many messages the click moved to the Quarantine folder.
    std::size_t Quarantined() {
        return static_cast<std::size_t>(tools::sim::FolderAt(session_->Outlook(), "Inbox/Quarantine", false)->StoredItems().Size());
    }

private:
    StateFolder folder_;
    std::ostringstream messages_;
    std::unique_ptr<tools::sim::AddinSession> session_;
    std::shared_ptr<host::sim::SimFolder> shown_;
};

void ReportPerItem(benchmark::State& state, double total_us, std::size_t count, std::size_t moved) {
    state.counters["moved"] = benchmark::Counter(static_cast<double>(moved), benchmark::Counter::kAvgIterations);
    state.counters["us_per_item"] =
        benchmark::Counter(total_us / static_cast<double>(count), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(count));
}

void AnalyzeCurrentFolder(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    double total_us = 0;
    std::size_t moved = 0;
    for (auto _ : state) {
        FolderRun run(count);
        const double elapsed = run.TimedClick(u"btnDoCurFold");
        state.SetIterationTime(elapsed / 1e6);
        total_us += elapsed;
        moved += run.Quarantined();
    }
    ReportPerItem(state, total_us, count, moved);
}

// The user selects one message of each of the first 100 senders of the folder and forbids
// them: both lists are written, and every mail item of the folder from one of those senders
// moves to the Quarantine folder.
void ForbidSenders(benchmark::State& state) {
    constexpr std::size_t MarkedSenders = 100;
    const auto count = static_cast<std::size_t>(state.range(0));
    double total_us = 0;
    std::size_t moved = 0;
    for (auto _ : state) {
        FolderRun run(count);
        std::set<std::string> senders;
        std::vector<long> selected;
        const auto& items = run.Shown().StoredItems().Elements();
        for (std::size_t i = 0; i < items.size() && senders.size() < MarkedSenders; ++i) {
            const auto& properties = items[i]->Properties();
            const auto sender = properties.find(platform::prop_tag::SenderEmailAddress);
            if (sender != properties.end() && !sender->second.empty() && senders.insert(sender->second).second) {
                selected.push_back(static_cast<long>(i + 1));
            }
        }
        run.Session().Select(selected);
        const double elapsed = run.TimedClick(u"btnRedFace");
        state.SetIterationTime(elapsed / 1e6);
        total_us += elapsed;
        moved += run.Quarantined();
    }
    ReportPerItem(state, total_us, count, moved);
}

BENCHMARK(AnalyzeCurrentFolder)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ForbidSenders)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn::bench
