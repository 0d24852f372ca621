#include "addin/control_key.h"

#include <array>
#include <utility>

#include "platform/codepage.h"
#include "platform/text_compare.h"

namespace tarn::addin {

namespace {

constexpr std::array<std::pair<std::string_view, host::ControlType>, 5> Kinds = {{
    {"BTN", host::ControlType::Button},
    {"EDT", host::ControlType::Edit},
    {"DROPDOWN", host::ControlType::DropDown},
    {"CBOX", host::ControlType::ComboBox},
    {"POPUP", host::ControlType::Popup},
}};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::string_view KindWord(host::ControlType type) {
    for (const auto& [word, kind] : Kinds) {
        if (kind == type) return word;
    }
    return {};
}

std::optional<host::ControlType> TypeOfKindWord(std::string_view word) {
    for (const auto& [name, kind] : Kinds) {
        if (platform::CompareTextIgnoreCase(name, word) == 0) return kind;
    }
    return std::nullopt;
}

std::string ControlKey(host::ControlType type, std::u16string_view tag) {
    return std::string(KindWord(type)) + ":" + platform::Narrow(tag);
}

SplitKey SplitControlKey(std::string_view key) {
    const auto colon = key.find(':');
    if (colon == std::string_view::npos) return {Trimmed(key), {}};
    return {Trimmed(key.substr(0, colon)), Trimmed(key.substr(colon + 1))};
}

std::vector<std::string> SplitRecordedList(std::string_view list) {
    std::vector<std::string> items;
    for (;;) {
        const auto end = list.find('\\');
        std::string item = Trimmed(list.substr(0, end));
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
        if (item.empty() && list.empty()) return items;
        items.push_back(std::move(item));
    }
}

}  // namespace tarn::addin
