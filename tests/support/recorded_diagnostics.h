#pragma once

#include <string>
#include <vector>

#include "platform/diagnostics.h"

namespace tarn::test_support {

// A diagnostics log that keeps what was recorded, for tests that check a contained failure
// is not silent.
class RecordedDiagnostics final : public platform::Diagnostics {
public:
    struct Entry {
        std::string place;
        std::string failure;
    };

    void Record(std::string_view place, std::string_view failure) noexcept override {
        entries_.push_back({std::string(place), std::string(failure)});
    }

    const std::vector<Entry>& Entries() const noexcept { return entries_; }
    // Every entry as "place: failure", one per line.
    std::string Text() const {
        std::string text;
        for (const auto& entry : entries_) text += entry.place + ": " + entry.failure + "\n";
        return text;
    }

private:
    std::vector<Entry> entries_;
};

}  // namespace tarn::test_support
