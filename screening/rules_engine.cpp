#include "screening/rules_engine.h"

#include <cstring>
#include <memory>

namespace tarn::screening {

namespace {

constexpr const char* EngineName = "tarnrules";

template <class Function>
Function Resolve(const platform::DynamicLibrary& library, const char* name, std::string& missing) {
    void* symbol = library.Symbol(name);
    if (symbol == nullptr) missing += missing.empty() ? name : std::string(", ") + name;
    return reinterpret_cast<Function>(symbol);
}

}  // namespace

RulesEngine::RulesEngine(const std::filesystem::path& folder, Notice notice) : notice_(std::move(notice)) {
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
}

void RulesEngine::LoadDictionaries() {
    if (load_ == nullptr) return;
    load_();
    dictionary_checked_ = true;
    has_data_ = version_() != 0.0L;
    if (!has_data_) problem_ = "The rating engine has no dictionary (tarnrules.dict beside it is missing or damaged).";
}

void RulesEngine::UnLoadDictionaries() {
    if (unload_ != nullptr) unload_();
    has_data_ = false;
    dictionary_checked_ = false;
}

long double RulesEngine::Getversionnumber() const {
    return version_ != nullptr ? version_() : 0.0L;
}

RulesEngine::Verdict RulesEngine::AnalyzeThisSpit(std::string_view screening_text) {
    // Without the library, or with one that refused its dictionary, nothing is rated.
    if (!Available() || (dictionary_checked_ && !has_data_)) {
        if (!noticed_ && notice_) {
            noticed_ = true;
            notice_(problem_ + " Messages that no list or filter judges are not rated, and stay in the Inbox.");
        }
        return {};
    }
    const auto text = std::make_unique<char[]>(screening_text.size() + 1);
    std::memcpy(text.get(), screening_text.data(), screening_text.size());
    text[screening_text.size()] = '\0';
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

}  // namespace tarn::screening
