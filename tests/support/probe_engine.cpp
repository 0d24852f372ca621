// A rating engine for the tests: it shows what it was given, rates on demand and misbehaves on
// demand.
//   "LONG..."         writes a verdict that fills the buffer: 1023 characters and the NUL
//   "MOVE..."         points the caller's buffer variable elsewhere
//   "...RATE=<n>..."  rates n (0 to 255), verdict "rated <n>"
//   "LESSONS"         verdict: every lesson so far, "+spam <length>" for a text learnt as spam,
//                     "-ham <length>" for one unlearnt as ham..., and "saved" for each save,
//                     separated by blanks
//   "REFUSE SAVES"    every later save fails (returns 0), until the next LoadDictionaries
//   "FORGET LESSONS"  the lessons so far are forgotten
//   anything else:    verdict "seen <length>", rate = the text's length
// Built a second time without the three entry points of lessons (PROBE_WITHOUT_LESSONS), as an
// engine library of before them.
#include <cstdlib>
#include <cstring>
#include <string>

#include "rules/tarnrules_api.h"

namespace {
char elsewhere[32] = "moved";
int loads = 0;
std::string lessons;
bool refuse_saves = false;

[[maybe_unused]] void Record(const std::string& lesson) { lessons += (lessons.empty() ? "" : " ") + lesson; }
}  // namespace

extern "C" {

TARNRULES_EXPORT void LoadDictionaries() {
    ++loads;
    refuse_saves = false;
}

TARNRULES_EXPORT void UnLoadDictionaries() {
    --loads;
}

TARNRULES_EXPORT long double Getversionnumber() {
    return 2.5L + loads;
}

TARNRULES_EXPORT unsigned char AnalyzeThisSpit(const char* text, char** verdict) {
    const std::size_t length = std::strlen(text);
    if (std::strncmp(text, "LONG", 4) == 0) {
        std::memset(*verdict, 'v', VerdictBufferSize - 1);
        (*verdict)[VerdictBufferSize - 1] = '\0';
    } else if (std::strncmp(text, "MOVE", 4) == 0) {
        *verdict = elsewhere;
    } else if (std::strcmp(text, "REFUSE SAVES") == 0) {
        refuse_saves = true;
    } else if (std::strcmp(text, "FORGET LESSONS") == 0) {
        lessons.clear();
    } else if (std::strcmp(text, "LESSONS") == 0) {
        const std::string shown = lessons.substr(0, VerdictBufferSize - 1);
        std::memcpy(*verdict, shown.c_str(), shown.size() + 1);
    } else if (const char* rate = std::strstr(text, "RATE=")) {
        const int value = std::atoi(rate + 5);
        const std::string rated = "rated " + std::to_string(value);
        std::memcpy(*verdict, rated.c_str(), rated.size() + 1);
        return static_cast<unsigned char>(value);
    } else {
        const std::string seen = "seen " + std::to_string(length);
        std::memcpy(*verdict, seen.c_str(), seen.size() + 1);
    }
    return static_cast<unsigned char>(length);
}

#if !defined(PROBE_WITHOUT_LESSONS)
TARNRULES_EXPORT void LearnThisSpit(const char* text, int is_spam) {
    Record((is_spam ? "+spam " : "+ham ") + std::to_string(std::strlen(text)));
}

TARNRULES_EXPORT void UnlearnThisSpit(const char* text, int is_spam) {
    Record((is_spam ? "-spam " : "-ham ") + std::to_string(std::strlen(text)));
}

TARNRULES_EXPORT int SaveLessons() {
    if (refuse_saves) return 0;
    Record("saved");
    return 1;
}
#endif

}  // extern "C"
