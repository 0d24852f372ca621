// The four entry points of the engine library over one engine: the dictionary file
// "tarnrules.dict" beside the library. Nothing escapes them: an engine without its dictionary
// rates every text 0 with an empty verdict, and says so through its version number, 0.
#include "platform/dynamic_library.h"
#include "rules/engine.h"
#include "rules/tarnrules_api.h"

namespace {

constexpr long double EngineVersion = 1.0L;
constexpr const char* DictionaryFileName = "tarnrules.dict";

tarn::rules::Engine& TheEngine() {
    static tarn::rules::Engine engine;
    return engine;
}

}  // namespace

extern "C" {

TARNRULES_EXPORT void LoadDictionaries() {
    try {
        // The engine library's own folder: the platform code is linked into it.
        const auto folder = tarn::platform::OwnModuleFolder();
        if (folder.empty() || !TheEngine().Load(folder / DictionaryFileName)) TheEngine().Unload();
    } catch (...) {
        TheEngine().Unload();
    }
}

TARNRULES_EXPORT void UnLoadDictionaries() {
    TheEngine().Unload();
}

TARNRULES_EXPORT long double Getversionnumber() {
    return TheEngine().HasData() ? EngineVersion : 0.0L;
}

TARNRULES_EXPORT unsigned char AnalyzeThisSpit(const char* text, char** verdict) {
    if (verdict == nullptr || *verdict == nullptr) return 0;
    char* buffer = *verdict;
    buffer[0] = '\0';
    if (text == nullptr) return 0;
    try {
        return TheEngine().Analyze(text, {buffer, VerdictBufferSize});
    } catch (...) {
        buffer[0] = '\0';
        return 0;
    }
}

}  // extern "C"
