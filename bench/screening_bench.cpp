// The screening steps one by one: the list tests with 10,000-entry lists, the charset, the
// English score, the rating engine.
#include <sstream>

#include "bench/bench_support.h"
#include "platform/dynamic_library.h"
#include "screening/charset.h"
#include "screening/english_score.h"
#include "screening/rules_engine.h"
#include "screening/screening_rules.h"
#include "tools/sim/addin_session.h"

namespace tarn::bench {
namespace {

// The add-in started with 10,000 entries in each list, and the corpus stored in its Inbox.
struct ListedSession {
    StateFolder folder;
    std::ostringstream messages;
    std::unique_ptr<tools::sim::AddinSession> session;
    std::vector<std::shared_ptr<host::sim::SimItem>> items;
    screening::ListMatchers matchers;

    ListedSession() {
        WriteSyntheticLists(folder.Path(), 10000);
        session = std::make_unique<tools::sim::AddinSession>(folder.Path(), messages);
        session->Start();
        for (const auto& message : CorpusMessages()) items.push_back(session->Store(host::DefaultFolder::Inbox, message));
    }
    screening::ScreeningRules Rules() { return {*session->Addin().Lists(), matchers, session->Addin().View()}; }
};

template <class Test>
void EachItem(benchmark::State& state, Test test) {
    ListedSession listed;
    const auto rules = listed.Rules();
    PerItemTimes times;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& item = listed.items[next % listed.items.size()];
        const auto& text = CorpusScreeningTexts()[next++ % listed.items.size()];
        times.Time([&] { benchmark::DoNotOptimize(test(rules, *item, text)); });
    }
    times.Report(state);
}

void IsFriendSender(benchmark::State& state) {
    EachItem(state, [](const auto& rules, host::Item& item, const std::string&) { return rules.IsFriendSender(item); });
}
void IsBannedSender(benchmark::State& state) {
    EachItem(state, [](const auto& rules, host::Item& item, const std::string&) { return rules.IsBannedSender(item); });
}
void HasProtectedWord(benchmark::State& state) {
    EachItem(state, [](const auto& rules, host::Item&, const std::string& text) { return rules.HasProtectedWord("", text); });
}
void HasForbiddenWord(benchmark::State& state) {
    EachItem(state, [](const auto& rules, host::Item&, const std::string& text) { return rules.HasForbiddenWord("", text); });
}
BENCHMARK(IsFriendSender)->Iterations(6046)->Unit(benchmark::kMicrosecond);
BENCHMARK(IsBannedSender)->Iterations(6046)->Unit(benchmark::kMicrosecond);
BENCHMARK(HasProtectedWord)->Iterations(6046)->Unit(benchmark::kMicrosecond);
BENCHMARK(HasForbiddenWord)->Iterations(6046)->Unit(benchmark::kMicrosecond);

void ExtractCharset(benchmark::State& state) {
    std::vector<std::string> headers;
    for (const auto& message : CorpusMessages()) {
        const auto found = message.find(platform::prop_tag::TransportMessageHeaders);
        headers.push_back(found == message.end() ? std::string() : found->second);
    }
    PerItemTimes times;
    std::size_t next = 0;
    for (auto _ : state) times.Time([&] { benchmark::DoNotOptimize(screening::ExtractCharset(headers[next++ % headers.size()])); });
    times.Report(state);
}
BENCHMARK(ExtractCharset)->Iterations(6046)->Unit(benchmark::kMicrosecond);

// English text of the corpus, cut to the size asked for.
void EnglishScore(benchmark::State& state) {
    std::string text;
    for (const auto& screening_text : CorpusScreeningTexts()) {
        if (text.size() >= static_cast<std::size_t>(state.range(0))) break;
        text += screening_text;
    }
    text.resize(static_cast<std::size_t>(state.range(0)));
    PerItemTimes times;
    for (auto _ : state) times.Time([&] { benchmark::DoNotOptimize(screening::EnglishScore(text, true)); });
    times.Report(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(EnglishScore)->Arg(1024)->Arg(5 * 1024)->Arg(15 * 1024)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void AnalyzeThisSpit(benchmark::State& state) {
    screening::RulesEngine engine(platform::OwnModuleFolder(), {});
    engine.LoadDictionaries();
    const auto& texts = CorpusScreeningTexts();
    PerItemTimes times;
    std::size_t next = 0;
    for (auto _ : state) times.Time([&] { benchmark::DoNotOptimize(engine.AnalyzeThisSpit(texts[next++ % texts.size()])); });
    times.Report(state);
    engine.UnLoadDictionaries();
}
BENCHMARK(AnalyzeThisSpit)->Iterations(6046)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarn::bench
