#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

// The engine alone over held-out mail: the engine loads the dictionary file as
// LoadDictionaries does (the time it takes is shown), then rates each message's screening
// text as AnalyzeThisSpit does, timing each call. Prints for the ham the messages judged spam
// (rate 50 or more) and unsure (rate 30 to 49), for the spam the messages caught and unsure,
// each ham judged spam with its verdict, and the median time of a rating (each message rated
// several times over). False when the dictionary cannot be loaded.
bool Evaluate(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages, std::ostream& out);

}  // namespace tarn::tools::train
