#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "platform/diagnostics.h"

namespace tarn::platform {

// Contained failures written to a stream as "program: place: failure", for the tools that
// run the add-in's code outside Outlook: a failure there means their output is not to be
// trusted, so it is shown.
class StreamDiagnostics final : public Diagnostics {
public:
    StreamDiagnostics(std::ostream& out, std::string program) : out_(out), program_(std::move(program)) {}

    void Record(std::string_view place, std::string_view failure) noexcept override;
    std::size_t Count() const noexcept { return count_; }

private:
    std::ostream& out_;
    std::string program_;
    std::size_t count_ = 0;
};

}  // namespace tarn::platform
