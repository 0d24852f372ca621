// The new-mail handler on Outlook's user-interface thread: the time one arriving corpus message
// holds Outlook up, with lists of 100, 10,000 and 100,000 entries each.
#include <sstream>

#include "bench/bench_support.h"
#include "tools/sim/addin_session.h"

namespace tarn::bench {
namespace {

void OnInboxItemAdd(benchmark::State& state, bool block_english) {
    StateFolder folder;
    WriteSyntheticLists(folder.Path(), static_cast<std::size_t>(state.range(0)));
    std::ostringstream messages;
    tools::sim::AddinSession session(folder.Path(), messages);
    session.Start();
    session.Addin().Settings().block_english = block_english;
    std::vector<std::shared_ptr<host::sim::SimItem>> items;
    for (const auto& message : CorpusMessages()) items.push_back(session.Store(host::DefaultFolder::Inbox, message));

    PerItemTimes times;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& item = items[next++ % items.size()];
        times.Time([&] { session.Addin().OnInboxItemAdd(item); });
    }
    times.Report(state);
}

void OnInboxItemAddDefault(benchmark::State& state) { OnInboxItemAdd(state, false); }
void OnInboxItemAddBlockEnglish(benchmark::State& state) { OnInboxItemAdd(state, true); }

BENCHMARK(OnInboxItemAddDefault)->Arg(100)->Arg(10000)->Arg(100000)->Iterations(6046)->Unit(benchmark::kMicrosecond);
BENCHMARK(OnInboxItemAddBlockEnglish)->Arg(10000)->Iterations(6046)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarn::bench
