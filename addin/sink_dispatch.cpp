#include "addin/sink_dispatch.h"

#include <algorithm>
#include <string_view>

namespace tarn::addin {

namespace {

std::u16string_view EventNameOf(host::ControlType type) {
    switch (type) {
        case host::ControlType::Button:
        case host::ControlType::Popup: return u"Click";
        case host::ControlType::Edit:
        case host::ControlType::DropDown:
        case host::ControlType::ComboBox: return u"Change";
    }
    return {};
}

bool SameName(std::u16string_view left, std::u16string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char16_t a, char16_t b) {
        const auto lower = [](char16_t ch) { return (ch >= u'A' && ch <= u'Z') ? static_cast<char16_t>(ch - u'A' + u'a') : ch; };
        return lower(a) == lower(b);
    });
}

}  // namespace

NameLookup LookUpEventName(host::ControlType control_type, const std::vector<std::u16string>* names) {
    if (names == nullptr) return {sink_result::Pointer};
    if (names->size() != 1) return {sink_result::InvalidArgument};
    const std::u16string_view wanted = EventNameOf(control_type);
    if (wanted.empty() || !SameName(names->front(), wanted)) return {sink_result::UnknownName};
    return {sink_result::Ok, EventMember};
}

std::int32_t CheckEventCall(long member, std::size_t argument_count) {
    if (member != EventMember) return sink_result::MemberNotFound;
    if (argument_count == 0) return sink_result::Pointer;
    return sink_result::Ok;
}

}  // namespace tarn::addin
