#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::host::sim {

// How often each host member was called, refused calls included, by "Kind.Member".
class CallLog {
public:
    void Record(const std::string& qualified_member);
    // Throws std::invalid_argument for a name that is no host member.
    long Count(std::string_view qualified_member) const;
    // Every member called so far, by name.
    std::vector<std::string> Members() const;

private:
    std::map<std::string, long, std::less<>> counts_;
};

}  // namespace tarn::host::sim
