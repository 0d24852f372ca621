// A list file of any bytes loads without harm, and what the add-in writes back reads the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text_lines.h"
#include "platform/text_compare.h"
#include "store/sorted_text_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    store::SortedTextList list;
    list.Assign(platform::SplitLines(bytes));
    for (std::size_t i = 1; i < list.Count(); ++i) {
        if (platform::CompareTextIgnoreCase(list[i - 1], list[i]) >= 0) std::abort();  // sorted, no duplicates
    }
    store::SortedTextList again;
    again.Assign(platform::SplitLines(list.Text()));
    if (again.Entries() != list.Entries()) std::abort();
    return 0;
}
