#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/clock.h"
#include "platform/diagnostics.h"

namespace tarn::platform {

// Text for a debugger watching the process (OutputDebugString on Windows).
class DebugOutput {
public:
    virtual ~DebugOutput() = default;
    virtual void Write(std::string_view line) noexcept = 0;
};

// The add-in's diagnostics log: every failure it contains goes to the debug output, and, while
// the user has switched it on (the setting "Diagnostics"), to a small text file in the
// installation folder. The file never grows past FileLimit: before a line would take it
// there, it becomes the one older file kept (its name with ".old" before the extension) and a
// new file starts. A log that cannot be written loses that line and nothing else.
class DiagnosticsLog final : public Diagnostics {
public:
    static constexpr std::uintmax_t FileLimit = 1024 * 1024;

    DiagnosticsLog(DebugOutput& debug_output, Clock& clock) : debug_output_(debug_output), clock_(clock) {}

    // The log file, and whether lines go to it.
    void SetFile(std::filesystem::path file, bool enabled);
    bool FileEnabled() const noexcept { return enabled_; }

    void Record(std::string_view place, std::string_view failure) noexcept override;

private:
    void AppendToFile(std::string_view line);

    DebugOutput& debug_output_;
    Clock& clock_;
    std::filesystem::path file_;
    bool enabled_ = false;
};

// "Tarn4OL.log" beside "Tarn4OL.old.log": where a full log file goes.
std::filesystem::path OlderLogFile(const std::filesystem::path& file);

}  // namespace tarn::platform
