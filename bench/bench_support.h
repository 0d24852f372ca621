#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "host/sim/property_map.h"
#include "platform/diagnostics.h"

namespace tarn::bench {

// The messages of the SpamAssassin public corpus as Outlook stores them, read once.
const std::vector<host::sim::PropertyMap>& CorpusMessages();

// Their screening texts, as the add-in builds them.
const std::vector<std::string>& CorpusScreeningTexts();

// A fresh folder for one benchmark's state, removed with the object.
class StateFolder {
public:
    StateFolder();
    ~StateFolder();
    StateFolder(const StateFolder&) = delete;
    StateFolder& operator=(const StateFolder&) = delete;
    const std::filesystem::path& Path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

// Failures the add-in contains while a benchmark runs, shown on stderr: a benchmark whose
// work failed measures nothing worth reading.
platform::Diagnostics& BenchDiagnostics();

// Writes the four list files with `entries` made-up entries each: words for the word lists,
// addresses for the sender lists, none of which a corpus message is likely to hold.
void WriteSyntheticLists(const std::filesystem::path& folder, std::size_t entries);

// Puts the shipped dictionary into the folder with a user file of `lessons` learnt messages: each
// a corpus message with five words of its own, so that the file holds the corpus's tokens and
// many more, as years of a user's mail would. Taught in memory and written once: the engine's
// saves every 20 lessons would write the growing file thousands of times over.
void WriteLessons(const std::filesystem::path& folder, int lessons);

// Times each call of `work` on its own and reports the median and 99th percentile per item, in
// microseconds, as counters of the benchmark.
class PerItemTimes {
public:
    template <class Work>
    void Time(Work&& work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        samples_.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    void Report(benchmark::State& state);

private:
    std::vector<double> samples_;
};

}  // namespace tarn::bench
