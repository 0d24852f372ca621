#include "screening/rules_engine.h"

#include <cstring>
#include <memory>
#include <set>
#include <system_error>
#include <utility>

namespace tarn::screening {

namespace {

constexpr const char* EngineName = "tarnrules";
// The engine sets a damaged lessons file aside under this name, numbered when it is taken.
constexpr std::string_view SetAsidePrefix = "tarnrules.user.damaged";

std::set<std::filesystem::path> SetAsideFiles(const std::filesystem::path& folder) {
    std::set<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator at(folder, error), end; !error && at != end; at.increment(error)) {
        if (at->path().filename().string().starts_with(SetAsidePrefix)) found.insert(at->path().filename());
    }
    return found;
}

// A NUL-terminated copy of a text, as the entry points take it.
std::unique_ptr<char[]> Terminated(std::string_view text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(copy.get(), text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

template <class Function>
Function Resolve(const platform::DynamicLibrary& library, const char* name, std::string& missing) {
    void* symbol = library.Symbol(name);
    if (symbol == nullptr) missing += missing.empty() ? name : std::string(", ") + name;
    return reinterpret_cast<Function>(symbol);
}

}  // namespace

RulesEngine::RulesEngine(const std::filesystem::path& folder, Notice notice)
    : folder_(folder), notice_(std::move(notice)) {
    const auto path = folder / platform::LibraryFileName(EngineName);
    std::string error;
    library_ = platform::LoadDynamicLibrary(path, error);
    if (!library_) {
        problem_ = "The rating engine could not be loaded (" + error + ").";
        return;
    }
    std::string missing;
    auto load = Resolve<LoadDictionariesFn>(*library_, "LoadDictionaries", missing);
    auto unload = Resolve<UnLoadDictionariesFn>(*library_, "UnLoadDictionaries", missing);
    auto version = Resolve<GetversionnumberFn>(*library_, "Getversionnumber", missing);
    auto analyze = Resolve<AnalyzeThisSpitFn>(*library_, "AnalyzeThisSpit", missing);
    if (!missing.empty()) {
        problem_ = "The rating engine " + path.filename().string() + " lacks " + missing + ".";
        library_.reset();
        return;
    }
    load_ = load;
    unload_ = unload;
    version_ = version;
    analyze_ = analyze;
    learn_ = reinterpret_cast<LearnThisSpitFn>(library_->Symbol("LearnThisSpit"));
    unlearn_ = reinterpret_cast<UnlearnThisSpitFn>(library_->Symbol("UnlearnThisSpit"));
    save_ = reinterpret_cast<SaveLessonsFn>(library_->Symbol("SaveLessons"));
}

// A load still running ends before the library can go.
RulesEngine::~RulesEngine() {
    if (loading_.valid()) loading_.wait();
}

void RulesEngine::LoadDictionaries() {
    FinishLoading();
    if (load_ == nullptr) return;
    const auto set_aside_before = SetAsideFiles(folder_);
    load_();
    LoadedDictionaries(set_aside_before);
}

void RulesEngine::StartLoadingDictionaries() {
    FinishLoading();
    if (load_ == nullptr) return;
    set_aside_before_loading_ = SetAsideFiles(folder_);
    loading_ = std::async(std::launch::async, load_);
}

void RulesEngine::FinishLoading() {
    if (!loading_.valid()) return;
    loading_.get();  // the entry point never raises
    LoadedDictionaries(std::exchange(set_aside_before_loading_, {}));
}

void RulesEngine::LoadedDictionaries(const std::set<std::filesystem::path>& set_aside_before) {
    dictionary_checked_ = true;
    has_data_ = version_() != 0.0L;
    if (!has_data_) problem_ = "The rating engine has no dictionary (tarnrules.dict beside it is missing or damaged).";
    for (const auto& name : SetAsideFiles(folder_)) {
        if (set_aside_before.contains(name) || !notice_) continue;
        notice_("What you taught the rating engine could not be read: the file tarnrules.user was damaged. It was "
                "kept as " + name.string() + ", and the engine goes on with what it knew when it was installed.");
    }
}

void RulesEngine::UnLoadDictionaries() {
    FinishLoading();
    if (unload_ != nullptr) unload_();
    has_data_ = false;
    dictionary_checked_ = false;
}

long double RulesEngine::Getversionnumber() {
    FinishLoading();
    return version_ != nullptr ? version_() : 0.0L;
}

RulesEngine::Verdict RulesEngine::AnalyzeThisSpit(std::string_view screening_text) {
    FinishLoading();
    // Without the library, or with one that refused its dictionary, nothing is rated.
    if (!Available() || (dictionary_checked_ && !has_data_)) {
        if (!noticed_ && notice_) {
            noticed_ = true;
            notice_(problem_ + " Messages that no list or filter judges are not rated, and stay in the Inbox.");
        }
        return {};
    }
    const auto text = Terminated(screening_text);
    auto verdict_buffer = std::make_unique<char[]>(VerdictBufferSize);
    char* verdict = verdict_buffer.get();

    Verdict result;
    result.rate = static_cast<std::uint8_t>(analyze_(text.get(), &verdict) & 0xFF);
    // The engine promises a terminated text in the same buffer; an engine that moved the buffer
    // gives no verdict, and only the add-in's own buffer is freed.
    if (verdict == verdict_buffer.get()) {
        const std::string_view written(verdict, VerdictBufferSize - 1);
        result.text = std::string(written.substr(0, written.find('\0')));
    }
    return result;
}

void RulesEngine::LearnThisSpit(std::string_view screening_text, bool spam) {
    FinishLoading();
    if (learn_ == nullptr) return;
    learn_(Terminated(screening_text).get(), spam ? 1 : 0);
    if (on_lesson_) on_lesson_();
}

void RulesEngine::UnlearnThisSpit(std::string_view screening_text, bool spam) {
    FinishLoading();
    if (unlearn_ == nullptr) return;
    unlearn_(Terminated(screening_text).get(), spam ? 1 : 0);
    if (on_lesson_) on_lesson_();
}

bool RulesEngine::SaveLessons() {
    FinishLoading();
    return save_ == nullptr || save_() != 0;
}

}  // namespace tarn::screening
