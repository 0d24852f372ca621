#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "platform/dynamic_library.h"
#include "rules/tarnrules_api.h"

namespace tarn::screening {

// The rating engine as the add-in reaches it: four entry points of the engine library, looked
// up by name once, when the add-in loads. Without the library (or without one of the four),
// or with a library that loads no dictionary, every text rates 0, and the user is told once.
// Two more entry points teach the engine; a library without them is used as before and
// learns nothing. A seventh writes the lessons when asked; without it they are written at the
// engine's own times.
//
// The dictionaries may be loaded on a thread of their own while Outlook's start goes on: every
// other member waits for that load to end first, so the engine is only ever used by one thread
// at a time.
class RulesEngine {
public:
    using Notice = std::function<void(const std::string& message)>;

    // The engine library of that folder. `notice` is called once, at the first rating that the
    // engine cannot make, with a message for the user.
    RulesEngine(const std::filesystem::path& folder, Notice notice);
    ~RulesEngine();
    RulesEngine(const RulesEngine&) = delete;
    RulesEngine& operator=(const RulesEngine&) = delete;

    bool Available() const noexcept { return analyze_ != nullptr; }
    // Why the engine is not available, or has no dictionary; empty otherwise.
    const std::string& Problem() {
        FinishLoading();
        return problem_;
    }

    // Loads the engine's dictionary; an engine whose version is then 0 has none.
    void LoadDictionaries();
    // The same on a thread of its own: returns at once, and the next use of the engine waits
    // until the load has ended (the user's notices then come on the caller's thread).
    void StartLoadingDictionaries();
    void UnLoadDictionaries();
    long double Getversionnumber();
    // Whether the last LoadDictionaries gave the engine its dictionary.
    bool HasData() {
        FinishLoading();
        return has_data_;
    }

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
    // Told after every lesson given to an engine that learns, so that it is written soon.
    void OnLesson(std::function<void()> listener) { on_lesson_ = std::move(listener); }
    // Writes the lessons not yet written; false when the engine says it could not. An engine
    // without the entry point writes them at its own times, and this gives true.
    bool SaveLessons();

private:
    // Ends a load started on its own thread, if any.
    void FinishLoading();
    void LoadedDictionaries(const std::set<std::filesystem::path>& set_aside_before);

    std::unique_ptr<platform::DynamicLibrary> library_;
    LoadDictionariesFn load_ = nullptr;
    UnLoadDictionariesFn unload_ = nullptr;
    GetversionnumberFn version_ = nullptr;
    AnalyzeThisSpitFn analyze_ = nullptr;
    LearnThisSpitFn learn_ = nullptr;
    UnlearnThisSpitFn unlearn_ = nullptr;
    SaveLessonsFn save_ = nullptr;
    std::future<void> loading_;
    std::set<std::filesystem::path> set_aside_before_loading_;
    std::function<void()> on_lesson_;
    std::filesystem::path folder_;
    std::string problem_;
    Notice notice_;
    bool noticed_ = false;
    bool has_data_ = false;
    bool dictionary_checked_ = false;  // LoadDictionaries was called since the last unload
};

}  // namespace tarn::screening
