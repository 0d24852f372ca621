#pragma once

#include <stdexcept>
#include <string>

namespace tarn::host {

// A call into Outlook that Outlook refused or that failed inside Outlook. Every member of the
// host interfaces may raise it; each caller decides where it is contained.
class HostError : public std::runtime_error {
public:
    HostError(std::string member, const std::string& reason)
        : std::runtime_error(member + ": " + reason), member_(std::move(member)) {}

    // The member that failed, as "Object.Member" (for example "Items.Item").
    const std::string& Member() const noexcept { return member_; }

private:
    std::string member_;
};

}  // namespace tarn::host
