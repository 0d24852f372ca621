#include "platform/stream_diagnostics.h"

namespace tarn::platform {

void StreamDiagnostics::Record(std::string_view place, std::string_view failure) noexcept {
    ++count_;
    try {
        out_ << program_ << ": " << place << ": " << failure << '\n';
    } catch (...) {
        // A stream that throws has nowhere left to say it.
    }
}

}  // namespace tarn::platform
