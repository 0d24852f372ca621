#include "platform/diagnostics_log.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <system_error>

namespace tarn::platform {

namespace {

// One record is one line: a failure text that spans lines (a message's own words may) is
// joined, and control characters become blanks.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& ch : line) {
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = ' ';
    }
    return line;
}

std::string TimeStamp(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    return text;
}

}  // namespace

std::string CurrentFailureText() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            return error.what();
        } catch (...) {
            return "an unknown failure";
        }
    } catch (...) {
        return {};  // not even the text could be made
    }
}

std::filesystem::path OlderLogFile(const std::filesystem::path& file) {
    std::filesystem::path older = file;
    older.replace_filename(file.stem().string() + ".old" + file.extension().string());
    return older;
}

void DiagnosticsLog::SetFile(std::filesystem::path file, bool enabled) {
    file_ = std::move(file);
    enabled_ = enabled && !file_.empty();
}

void DiagnosticsLog::Record(std::string_view place, std::string_view failure) noexcept {
    try {
        const std::string entry = OneLine(std::string(place) + ": " + std::string(failure));
        debug_output_.Write("Tarn4OL: " + entry);
        if (enabled_) AppendToFile(TimeStamp(clock_.Now()) + " " + entry + "\r\n");
    } catch (...) {
        // The log is the last resort: a line that cannot be written is lost.
    }
}

void DiagnosticsLog::AppendToFile(std::string_view line) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file_, error);
    if (!error && size + line.size() > FileLimit) {
        const auto older = OlderLogFile(file_);
        std::filesystem::remove(older, error);
        std::filesystem::rename(file_, older, error);
    }
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

}  // namespace tarn::platform
