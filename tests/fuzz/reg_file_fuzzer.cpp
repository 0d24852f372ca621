// Any bytes as a ".reg" file: either refused with an error, or kept, and what is written back
// reads the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/reg_file_registry.h"

namespace {

bool SameValues(const std::vector<tarn::platform::RegFileRegistry::Key>& left,
                const std::vector<tarn::platform::RegFileRegistry::Key>& right) {
    if (left.size() != right.size()) return false;
    for (std::size_t k = 0; k < left.size(); ++k) {
        if (left[k].path != right[k].path || left[k].values.size() != right[k].values.size()) return false;
        for (std::size_t v = 0; v < left[k].values.size(); ++v) {
            const auto& a = left[k].values[v];
            const auto& b = right[k].values[v];
            if (a.name != b.name || a.value.type != b.value.type || a.value.text != b.value.text ||
                a.value.number != b.value.number || a.raw != b.raw) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn::platform;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<RegFileRegistry::Key> keys;
    try {
        keys = ParseRegFile(bytes);
    } catch (const RegistryError&) {
        return 0;
    }
    if (!SameValues(ParseRegFile(FormatRegFile(keys)), keys)) std::abort();
    return 0;
}
