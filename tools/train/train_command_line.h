#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "rules/engine.h"
#include "tools/train/dictionary_training.h"
#include "tools/train/fold_assignment.h"

namespace tarn::tools::train {

enum class Command {
    Build,          // train a dictionary and write it
    CrossValidate,  // print the figures that parameters are chosen by
    Evaluate,       // rate held-out mail with a dictionary file
    Stream,         // print the mail in the stream order of the online evaluations
    ValidateOnline, // the online evaluation inside training mail
    Help,
};

struct TrainCommandLine {
    Command command = Command::Help;
    std::vector<std::filesystem::path> ham;
    std::vector<std::filesystem::path> spam;
    std::filesystem::path out;         // build: --out
    std::filesystem::path dictionary;  // evaluate: --dictionary
    bool online = false;               // evaluate: --online
    unsigned lesson_weight = rules::DefaultLessonWeight;  // evaluate --online, validate-online
    unsigned folds = 10;               // cross-validate: --folds
    FoldDealing dealing = FoldDealing::Interleaved;  // cross-validate: --by-correspondent
    TrainingOptions training;          // build, cross-validate and validate-online
};

// A command line tarnrules-train cannot follow; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. Throws UsageError.
TrainCommandLine ParseTrainCommandLine(const std::vector<std::string_view>& arguments);

std::string_view TrainUsageText();

}  // namespace tarn::tools::train
