#include "tools/train/screening_text_source.h"

namespace tarn::tools::train {

namespace {

// The add-in's folder, its settings file and its engine's folder: a folder that is never
// made, so that nothing is read from it or written to it. Only the mail item view is used.
const std::filesystem::path UnusedFolder = ".tarnrules-train-unused";

}  // namespace

ScreeningTextSource::ScreeningTextSource()
    : registry_(UnusedFolder / "registry.reg"),
      platform_(outlook_, registry_, mapi_),
      services_(platform_.Services()),
      engine_(UnusedFolder, {}),
      addin_(outlook_.Application(), services_, dialogs_, engine_, UnusedFolder) {}

std::string ScreeningTextSource::ScreeningText(host::sim::PropertyMap properties) {
    const auto item = outlook_.AddItem(outlook_.Inbox(), std::move(properties));
    // The arrival event finds no handler: the add-in was not started.
    platform_.Pump().ProcessMessages();
    std::string text = addin_.ReadScreeningInputs(*item).screening_text;
    item->PlaceIn(nullptr);
    return text;
}

}  // namespace tarn::tools::train
