// The entry points of the engine library over one engine: the dictionary file "tarnrules.dict"
// beside the library and the user's lessons "tarnrules.user" there. Nothing escapes them: an
// engine without its dictionary rates every text 0 with an empty verdict, says so through its
// version number, 0, and learns nothing.
#include "platform/dynamic_library.h"
#include "rules/taught_engine.h"
#include "rules/tarnrules_api.h"

namespace {

constexpr long double EngineVersion = 1.0L;

tarn::rules::TaughtEngine& TheEngine() {
    static tarn::rules::TaughtEngine engine;
    return engine;
}

}  // namespace

extern "C" {

TARNRULES_EXPORT void LoadDictionaries() {
    try {
        // The engine library's own folder: the platform code is linked into it.
        TheEngine().Load(tarn::platform::OwnModuleFolder());
    } catch (...) {
        TheEngine().Unload();
    }
}

TARNRULES_EXPORT void UnLoadDictionaries() {
    TheEngine().Unload();
}

TARNRULES_EXPORT long double Getversionnumber() {
    return TheEngine().Rater().HasData() ? EngineVersion : 0.0L;
}

TARNRULES_EXPORT unsigned char AnalyzeThisSpit(const char* text, char** verdict) {
    if (verdict == nullptr || *verdict == nullptr) return 0;
    char* buffer = *verdict;
    buffer[0] = '\0';
    if (text == nullptr) return 0;
    try {
        return TheEngine().Rater().Analyze(text, {buffer, VerdictBufferSize});
    } catch (...) {
        buffer[0] = '\0';
        return 0;
    }
}

TARNRULES_EXPORT void LearnThisSpit(const char* text, int is_spam) {
    if (text == nullptr) return;
    try {
        TheEngine().Learn(text, is_spam != 0);
    } catch (...) {
        // A lesson that cannot be taken (no memory) is lost; the engine rates on as before.
    }
}

TARNRULES_EXPORT void UnlearnThisSpit(const char* text, int is_spam) {
    if (text == nullptr) return;
    try {
        TheEngine().Unlearn(text, is_spam != 0);
    } catch (...) {
        // As for LearnThisSpit.
    }
}

TARNRULES_EXPORT int SaveLessons() {
    return TheEngine().SaveLessons() ? 1 : 0;
}

}  // extern "C"
