#include "bench/bench_support.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <random>
#include <stdexcept>
#include <variant>

#include <sstream>

#include "platform/dynamic_library.h"
#include "platform/stream_diagnostics.h"
#include "rules/engine.h"
#include "rules/taught_engine.h"
#include "rules/user_dictionary.h"
#include "store/user_lists.h"
#include "tools/import/mailbox_reader.h"
#include "tools/sim/addin_session.h"

namespace tarn::bench {

const std::vector<host::sim::PropertyMap>& CorpusMessages() {
    static const std::vector<host::sim::PropertyMap> messages = [] {
        std::vector<host::sim::PropertyMap> read;
        tools::import::ReadMailbox(TARN_BENCH_CORPUS_DIR, [&](tools::import::MailboxEntry entry) {
            if (auto* message = std::get_if<tools::import::ImportedMessage>(&entry)) read.push_back(std::move(message->content.properties));
        });
        if (read.empty()) throw std::runtime_error("no corpus at " TARN_BENCH_CORPUS_DIR " (run scripts/bootstrap)");
        return read;
    }();
    return messages;
}

const std::vector<std::string>& CorpusScreeningTexts() {
    static const std::vector<std::string> texts = [] {
        StateFolder folder;
        std::ostringstream messages;
        tools::sim::AddinSession session(folder.Path(), messages);
        std::vector<std::string> screening_texts;
        for (const auto& message : CorpusMessages()) {
            const auto item = session.Store(host::DefaultFolder::Inbox, message);
            screening_texts.push_back(
                screening::ReadScreeningInputs(*item, session.Addin().View(), BenchDiagnostics()).screening_text);
            item->PlaceIn(nullptr);
        }
        return screening_texts;
    }();
    return texts;
}

StateFolder::StateFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "tarn-bench-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a folder for the benchmark");
    path_ = name;
}

StateFolder::~StateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

platform::Diagnostics& BenchDiagnostics() {
    static platform::StreamDiagnostics diagnostics(std::cerr, "tarn_bench");
    return diagnostics;
}

void WriteSyntheticLists(const std::filesystem::path& folder, std::size_t entries) {
    std::mt19937 random(static_cast<unsigned>(entries));
    const auto word = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + random() % 26);
        return text;
    };
    // The lists as the add-in writes them: sorted, one entry per line.
    const auto lists = store::UserLists::CreateLists(folder, BenchDiagnostics());
    for (const auto kind : {store::ListKind::ProtectedWords, store::ListKind::ForbiddenWords,
                            store::ListKind::FriendSenders, store::ListKind::BannedSenders}) {
        const bool senders = kind == store::ListKind::FriendSenders || kind == store::ListKind::BannedSenders;
        std::vector<std::string> made = lists->List(kind).Entries();
        for (std::size_t i = 0; i < entries; ++i) {
            made.push_back(senders ? word(6 + random() % 6) + "@" + word(5 + random() % 8) + ".example"
                                   : "x" + word(7 + random() % 8));
        }
        lists->List(kind).Assign(std::move(made));
        lists->SaveList(kind);
    }
}

void WriteLessons(const std::filesystem::path& folder, int lessons) {
    std::filesystem::copy_file(platform::OwnModuleFolder() / rules::TaughtEngine::DictionaryFileName,
                               folder / rules::TaughtEngine::DictionaryFileName,
                               std::filesystem::copy_options::overwrite_existing);
    rules::Engine engine;
    engine.Load(folder / rules::TaughtEngine::DictionaryFileName);
    const auto& texts = CorpusScreeningTexts();
    for (int n = 0; n < lessons; ++n) {
        std::string text = texts[static_cast<std::size_t>(n) % texts.size()];
        for (int word = 0; word < 5; ++word) text += " lesson" + std::to_string(n) + "w" + std::to_string(word);
        engine.Learn(text, n % 2 == 1);
    }
    const auto bytes = rules::WriteUserDictionary(engine.Taught().File());
    std::ofstream(folder / rules::TaughtEngine::UserFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void PerItemTimes::Report(benchmark::State& state) {
    if (samples_.empty()) return;
    std::sort(samples_.begin(), samples_.end());
    state.counters["median_us"] = samples_[samples_.size() / 2];
    state.counters["p99_us"] = samples_[std::min(samples_.size() - 1, samples_.size() * 99 / 100)];
    state.SetItemsProcessed(static_cast<std::int64_t>(samples_.size()));
}

}  // namespace tarn::bench
