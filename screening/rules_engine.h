#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/dynamic_library.h"
#include "rules/tarnrules_api.h"

namespace tarn::screening {

// The rating engine as the add-in reaches it: four entry points of the engine library, looked
// up by name once, when the add-in loads. Without the library (or without one of the four),
// or with a library that loads no dictionary, every text rates 0, and the user is told once.
// Two more entry points teach the engine; a library without them is used as before and
// learns nothing.
class RulesEngine {
public:
    using Notice = std::function<void(const std::string& message)>;

    // The engine library of that folder. `notice` is called once, at the first rating that the
    // engine cannot make, with a message for the user.
    RulesEngine(const std::filesystem::path& folder, Notice notice);

    bool Available() const noexcept { return analyze_ != nullptr; }
    // Why the engine is not available, or has no dictionary; empty otherwise.
    const std::string& Problem() const noexcept { return problem_; }

    // Loads the engine's dictionary; an engine whose version is then 0 has none.
    void LoadDictionaries();
    void UnLoadDictionaries();
    long double Getversionnumber() const;
    // Whether the last LoadDictionaries gave the engine its dictionary.
    bool HasData() const noexcept { return has_data_; }

    struct Verdict {
        std::uint8_t rate = 0;
        std::string text;
    };
    // Rates a screening text: a NUL-terminated copy goes to the engine with a fresh 1024-byte
    // verdict buffer, and the verdict is read back up to its NUL.
    Verdict AnalyzeThisSpit(std::string_view screening_text);

    // Whether the library takes lessons.
    bool CanLearn() const noexcept { return learn_ != nullptr && unlearn_ != nullptr; }
    // Teaches that a screening text is spam (or ham), or takes that lesson back; nothing
    // without the entry points (an engine without its dictionary learns nothing either).
    void LearnThisSpit(std::string_view screening_text, bool spam);
    void UnlearnThisSpit(std::string_view screening_text, bool spam);

private:
    std::unique_ptr<platform::DynamicLibrary> library_;
    LoadDictionariesFn load_ = nullptr;
    UnLoadDictionariesFn unload_ = nullptr;
    GetversionnumberFn version_ = nullptr;
    AnalyzeThisSpitFn analyze_ = nullptr;
    LearnThisSpitFn learn_ = nullptr;
    UnlearnThisSpitFn unlearn_ = nullptr;
    std::filesystem::path folder_;
    std::string problem_;
    Notice notice_;
    bool noticed_ = false;
    bool has_data_ = false;
    bool dictionary_checked_ = false;  // LoadDictionaries was called since the last unload
};

}  // namespace tarn::screening
