#include "tools/import/gmime_support.h"

namespace tarn::tools::import {

void StartGMime() {
    // GMime's own state lives for the whole process; it is never shut down.
    static const bool started = [] {
        g_mime_init();
        return true;
    }();
    static_cast<void>(started);
}

GMimeParserOptions* InboxParserOptions() {
    static GMimeParserOptions* const options = [] {
        StartGMime();
        GMimeParserOptions* created = g_mime_parser_options_new();
        // Raw 8-bit header text: UTF-8 when it is valid UTF-8, else the Western code page that
        // old mailers wrote without saying so.
        const char* fallback_charsets[] = {"UTF-8", "windows-1252", nullptr};
        g_mime_parser_options_set_fallback_charsets(created, fallback_charsets);
        g_mime_parser_options_set_rfc2047_compliance_mode(created, GMIME_RFC_COMPLIANCE_LOOSE);
        g_mime_parser_options_set_address_compliance_mode(created, GMIME_RFC_COMPLIANCE_LOOSE);
        g_mime_parser_options_set_parameter_compliance_mode(created, GMIME_RFC_COMPLIANCE_LOOSE);
        return created;
    }();
    return options;
}

}  // namespace tarn::tools::import
