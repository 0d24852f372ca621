#include "addin/command_bar_lookup.h"

#include "platform/codepage.h"
#include "platform/text_compare.h"

namespace tarn::addin {

namespace {

bool SameName(const std::u16string& left, const std::u16string& right) {
    return platform::CompareTextIgnoreCase(platform::Narrow(left), platform::Narrow(right)) == 0;
}

}  // namespace

host::CommandBarPtr FindBarByName(host::CommandBars& bars, const std::u16string& name) {
    const long count = bars.Count();
    for (long index = 1; index <= count; ++index) {
        auto bar = bars.Item(index);
        if (SameName(bar->Name(), name) || SameName(bar->NameLocal(), name)) return bar;
    }
    return nullptr;
}

host::CommandBarsPtr ActiveWindowCommandBars(host::Application& application) {
    if (application.Inspectors()->Count() < 1 && application.Explorers()->Count() < 1) return nullptr;
    const auto window = application.ActiveWindow();
    return window ? window->CommandBars() : nullptr;
}

}  // namespace tarn::addin
