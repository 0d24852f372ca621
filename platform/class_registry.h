#pragma once

#include <string_view>

namespace tarn::platform {

// The COM classes the machine knows, by programmatic identifier ("Outlook.Application").
class ClassRegistry {
public:
    virtual ~ClassRegistry() = default;
    // Whether the identifier resolves to a class identifier other than the null one.
    virtual bool HasClass(std::u16string_view prog_id) = 0;
};

}  // namespace tarn::platform
