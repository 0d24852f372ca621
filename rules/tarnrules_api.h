#pragma once

// The four entry points of the rating engine library (tarnrules.dll, libtarnrules.so), looked
// up by name by the add-in. Plain C calling convention on every target.
//
// LoadDictionaries     finds and loads the engine's data beside the library file: the
//                      dictionary "tarnrules.dict", read whole. A missing, cut short or altered
//                      dictionary is refused whole, and the engine then has no data.
// UnLoadDictionaries   frees it.
// Getversionnumber     the engine's version, in extended precision: 1.0 while it has its
//                      dictionary, 0 when it has no data (before LoadDictionaries, after
//                      UnLoadDictionaries, or when the dictionary was refused).
// AnalyzeThisSpit      rates a NUL-terminated 8-bit text: returns 0 to 255 (50 or more is spam)
//                      and writes a NUL-terminated verdict text of at most 1023 characters into
//                      the caller's 1024-byte buffer, whose address it leaves unchanged: the
//                      score and the strongest clues ("Tarn 0.97: url:example.biz, ..."). It
//                      copes with any text and never fails. Without data it rates every text 0
//                      with an empty verdict.
// Two more entry points teach the engine; a library without them is used as before:
// LearnThisSpit        teaches that a NUL-terminated screening text is spam (is_spam not 0) or
//                      ham. A text counts once however often it is taught; taught as the
//                      other kind it moves there. The lessons go to "tarnrules.user" beside the
//                      dictionary (never into the dictionary), at the latest every 20 lessons
//                      and at UnLoadDictionaries. Without data it does nothing; it never fails.
// UnlearnThisSpit      takes back a text that was taught as that kind; anything else is left.
// One more writes the lessons when the caller chooses; a library without it saves at its own
// times only:
// SaveLessons          writes every lesson not yet in "tarnrules.user" now. Returns 1 when the
//                      file holds every lesson taught (also when there was nothing to write), 0
//                      when they could not be written: they stay in memory and the next save
//                      tries again. Never fails otherwise.
// Calls come from one thread at a time.

#if !defined(TARNRULES_BUILDING)
#define TARNRULES_EXPORT
#elif defined(_WIN32)
#define TARNRULES_EXPORT __declspec(dllexport)
#else
#define TARNRULES_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
TARNRULES_EXPORT void LoadDictionaries();
TARNRULES_EXPORT void UnLoadDictionaries();
TARNRULES_EXPORT long double Getversionnumber();
TARNRULES_EXPORT unsigned char AnalyzeThisSpit(const char* text, char** verdict);
TARNRULES_EXPORT void LearnThisSpit(const char* text, int is_spam);
TARNRULES_EXPORT void UnlearnThisSpit(const char* text, int is_spam);
TARNRULES_EXPORT int SaveLessons();

using LoadDictionariesFn = void (*)();
using UnLoadDictionariesFn = void (*)();
using GetversionnumberFn = long double (*)();
using AnalyzeThisSpitFn = unsigned char (*)(const char* text, char** verdict);
using LearnThisSpitFn = void (*)(const char* text, int is_spam);
using UnlearnThisSpitFn = void (*)(const char* text, int is_spam);
using SaveLessonsFn = int (*)();
}

inline constexpr unsigned VerdictBufferSize = 1024;
