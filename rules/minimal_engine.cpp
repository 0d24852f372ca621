// The smallest engine that keeps the contract: every text rates 0 with an empty verdict.
#include "rules/tarnrules_api.h"

extern "C" {

TARNRULES_EXPORT void LoadDictionaries() {}

TARNRULES_EXPORT void UnLoadDictionaries() {}

TARNRULES_EXPORT long double Getversionnumber() {
    return 0.0L;
}

TARNRULES_EXPORT unsigned char AnalyzeThisSpit(const char* /*text*/, char** verdict) {
    if (verdict != nullptr && *verdict != nullptr) (*verdict)[0] = '\0';
    return 0;
}

}  // extern "C"
