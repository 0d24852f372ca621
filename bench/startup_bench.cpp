// What the add-in does before Outlook has finished starting: the settings, lists of 10,000
// entries each, the captions and the rating engine's dictionary.
#include "bench/bench_support.h"
#include "platform/dynamic_library.h"
#include "platform/reg_file_registry.h"
#include "screening/rules_engine.h"
#include "store/captions.h"
#include "store/settings.h"
#include "store/user_lists.h"

namespace tarn::bench {
namespace {

void StartupWork(benchmark::State& state) {
    StateFolder folder;
    platform::Diagnostics& diagnostics = BenchDiagnostics();
    WriteSyntheticLists(folder.Path(), 10000);
    {
        platform::RegFileRegistry registry(folder.Path() / "registry.reg");
        store::SaveSettings(registry, store::Settings{}, diagnostics);
    }
    screening::RulesEngine engine(platform::OwnModuleFolder(), {});
    PerItemTimes times;
    for (auto _ : state) {
        times.Time([&] {
            platform::RegFileRegistry registry(folder.Path() / "registry.reg");
            store::Settings settings;
            store::LoadSettings(registry, settings, diagnostics);
            const auto captions = store::LoadCaptionsAndStrings(folder.Path());
            engine.LoadDictionaries();
            const auto lists = store::UserLists::CreateLists(folder.Path(), diagnostics);
            benchmark::DoNotOptimize(lists.get());
            benchmark::DoNotOptimize(captions.CharSet());
        });
        engine.UnLoadDictionaries();
    }
    times.Report(state);
}
BENCHMARK(StartupWork)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn::bench
