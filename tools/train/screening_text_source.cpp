#include "tools/train/screening_text_source.h"

#include <iostream>

#include "screening/screening_inputs.h"

namespace tarn::tools::train {

ScreeningTextSource::ScreeningTextSource() : diagnostics_(std::cerr, "tarnrules-train") {}

std::string ScreeningTextSource::ScreeningText(host::sim::PropertyMap properties) {
    const auto item = outlook_.AddItem(outlook_.Inbox(), std::move(properties));
    // Nobody listens to the Inbox: the arrival is only let pass.
    outlook_.PumpEvents();
    std::string text = screening::ReadScreeningInputs(*item, view_, diagnostics_).screening_text;
    item->PlaceIn(nullptr);
    return text;
}

}  // namespace tarn::tools::train
