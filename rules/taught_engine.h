#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "rules/engine.h"

namespace tarn::rules {

// The engine as its library runs it, from the files in the library's folder: the shipped
// dictionary "tarnrules.dict", which is only ever read, and the user's lessons
// "tarnrules.user", which are rated with it and saved after every LessonsPerSave lessons and
// when the engine is unloaded, so that a crash loses fewer than that many. A user file that is
// not a whole, unaltered file of lessons is set aside under another name (never deleted) and
// the engine goes on with the shipped dictionary alone; one that exists but cannot be read is
// left as it is and never written over.
class TaughtEngine {
public:
    static constexpr std::string_view DictionaryFileName = "tarnrules.dict";
    static constexpr std::string_view UserFileName = "tarnrules.user";
    static constexpr std::string_view SetAsideSuffix = ".damaged";
    static constexpr unsigned LessonsPerSave = 20;

    enum class UserFile {
        None,        // no dictionary, or no folder
        New,         // no lessons yet: the file is made at the first save
        Loaded,
        SetAside,    // damaged, renamed to SetAsidePath()
        Unreadable,  // there but not readable (locked, no right to read): lessons are not saved
    };

    // Loads the dictionary and the lessons of the folder; without a usable dictionary the
    // engine has no data.
    void Load(const std::filesystem::path& folder);
    // Saves what was learnt since the last save, then unloads.
    void Unload() noexcept;

    bool Learn(std::string_view text, bool spam);
    bool Unlearn(std::string_view text, bool spam);
    // Writes what was learnt since the last save now; false when lessons are still unsaved
    // (the file cannot be written, or is one that could not be read and is not written over).
    bool SaveLessons() noexcept;

    Engine& Rater() noexcept { return engine_; }
    UserFile UserFileState() const noexcept { return user_file_state_; }
    const std::filesystem::path& SetAsidePath() const noexcept { return set_aside_; }
    std::size_t UnsavedLessons() const noexcept { return unsaved_; }

private:
    void LoadLessons();
    void Lesson();
    bool Save() noexcept;

    Engine engine_;
    std::filesystem::path user_file_;
    std::filesystem::path set_aside_;
    UserFile user_file_state_ = UserFile::None;
    std::size_t unsaved_ = 0;
};

}  // namespace tarn::rules
