#include "rules/taught_engine.h"

#include <string>
#include <system_error>

#include "platform/files.h"
#include "rules/file_bytes.h"
#include "rules/user_dictionary.h"

namespace tarn::rules {

namespace {

// Far beyond the lessons of a lifetime (100,000 messages take some 8 MB).
constexpr std::uintmax_t MaxUserFileSize = std::uintmax_t{1} << 30;

// "tarnrules.user.damaged", or with a number when that name is taken already.
std::filesystem::path FreeSetAsideName(const std::filesystem::path& file) {
    const std::string base = file.string() + std::string(TaughtEngine::SetAsideSuffix);
    std::filesystem::path name = base;
    for (int number = 2; platform::FileExists(name) && number < 1000; ++number) name = base + "-" + std::to_string(number);
    return name;
}

}  // namespace

void TaughtEngine::Load(const std::filesystem::path& folder) {
    Unload();
    if (folder.empty() || !engine_.Load(folder / DictionaryFileName)) {
        engine_.Unload();
        return;
    }
    user_file_ = folder / UserFileName;
    LoadLessons();
}

void TaughtEngine::LoadLessons() {
    std::error_code error;
    if (!std::filesystem::exists(user_file_, error) && !error) {
        user_file_state_ = UserFile::New;
        return;
    }
    const auto bytes = ReadFileBytes(user_file_, 0, MaxUserFileSize);
    if (!bytes) {
        user_file_state_ = UserFile::Unreadable;
        return;
    }
    const auto lessons = ReadUserDictionary(*bytes);
    if (lessons && engine_.Take(*lessons)) {
        user_file_state_ = UserFile::Loaded;
        return;
    }
    const std::filesystem::path aside = FreeSetAsideName(user_file_);
    std::filesystem::rename(user_file_, aside, error);
    if (error) {
        user_file_state_ = UserFile::Unreadable;  // it stays where it is, and is not written over
        return;
    }
    set_aside_ = aside;
    user_file_state_ = UserFile::SetAside;
}

void TaughtEngine::Unload() noexcept {
    if (unsaved_ > 0) Save();
    engine_.Unload();
    user_file_.clear();
    user_file_state_ = UserFile::None;
    unsaved_ = 0;
}

bool TaughtEngine::Learn(std::string_view text, bool spam) {
    if (!engine_.Learn(text, spam)) return false;
    Lesson();
    return true;
}

bool TaughtEngine::Unlearn(std::string_view text, bool spam) {
    if (!engine_.Unlearn(text, spam)) return false;
    Lesson();
    return true;
}

void TaughtEngine::Lesson() {
    ++unsaved_;
    if (unsaved_ >= LessonsPerSave) Save();
}

bool TaughtEngine::SaveLessons() noexcept { return unsaved_ == 0 || Save(); }

// Written whole to a new file that then takes the old one's place: a save cut short leaves
// the lessons of the save before. A failed save is tried again at the next lesson's count.
bool TaughtEngine::Save() noexcept {
    if (user_file_state_ == UserFile::None || user_file_state_ == UserFile::Unreadable) return false;
    try {
        const auto bytes = WriteUserDictionary(engine_.Taught().File());
        platform::ReplaceFileContent(user_file_,
                                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        unsaved_ = 0;
        return true;
    } catch (...) {
        return false;  // kept in memory; the next save writes them all
    }
}

}  // namespace tarn::rules
