// The engine with a lifetime of lessons: a user file of 100,000 learnt messages, its loading
// and the rating over it.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "platform/dynamic_library.h"
#include "rules/taught_engine.h"
#include "rules/tarnrules_api.h"
#include "rules/user_dictionary.h"

namespace tarn::bench {
namespace {

constexpr int Lessons = 100000;

// A folder holding the shipped dictionary and a user file of the lessons, made once.
const StateFolder& TaughtFolder() {
    static const StateFolder folder;
    static const bool made = [] {
        WriteLessons(folder.Path(), Lessons);
        return true;
    }();
    (void)made;
    return folder;
}

void LoadUserFile(benchmark::State& state) {
    const auto& folder = TaughtFolder();
    const auto bytes = std::filesystem::file_size(folder.Path() / rules::TaughtEngine::UserFileName);
    PerItemTimes times;
    rules::TaughtEngine engine;
    for (auto _ : state) {
        times.Time([&] { engine.Load(folder.Path()); });
        if (engine.UserFileState() != rules::TaughtEngine::UserFile::Loaded) state.SkipWithError("the lessons did not load");
        state.counters["lessons"] = static_cast<double>(engine.Rater().Taught().Texts().size());
        state.counters["tokens"] = static_cast<double>(engine.Rater().Table().Size());
        state.counters["file_MB"] = static_cast<double>(bytes) / 1048576.0;
        engine.Unload();
    }
    times.Report(state);
}
BENCHMARK(LoadUserFile)->Iterations(10)->Unit(benchmark::kMillisecond);

// What a save of those lessons costs (the file built whole, written, flushed to the disk and
// put in place of the old one): what the close of Outlook pays when a lesson is still unsaved.
void SaveUserFile(benchmark::State& state) {
    rules::TaughtEngine engine;
    engine.Load(TaughtFolder().Path());
    const auto& texts = CorpusScreeningTexts();
    PerItemTimes times;
    std::size_t next = 0;
    for (auto _ : state) {
        engine.Learn(texts[next++ % texts.size()] + " saved", true);
        times.Time([&] {
            if (!engine.SaveLessons()) state.SkipWithError("the lessons were not saved");
        });
    }
    times.Report(state);
    engine.Unload();
}
BENCHMARK(SaveUserFile)->Iterations(10)->Unit(benchmark::kMillisecond);

void RateWithLessons(benchmark::State& state) {
    rules::TaughtEngine engine;
    engine.Load(TaughtFolder().Path());
    const auto& texts = CorpusScreeningTexts();
    std::array<char, VerdictBufferSize> verdict{};
    PerItemTimes times;
    std::size_t next = 0;
    for (auto _ : state) {
        times.Time([&] { benchmark::DoNotOptimize(engine.Rater().Analyze(texts[next++ % texts.size()], verdict)); });
    }
    times.Report(state);
    engine.Unload();
}
BENCHMARK(RateWithLessons)->Iterations(6046)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarn::bench
