// tarnrules-train: trains, cross-validates and evaluates the rating engine's dictionary.
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>

#include "rules/dictionary.h"
#include "tools/train/cross_validation.h"
#include "tools/train/evaluation.h"
#include "tools/train/labelled_messages.h"
#include "tools/train/online_evaluation.h"
#include "tools/train/train_command_line.h"

namespace {

using namespace tarn::tools::train;

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int BadUsage = 2;

bool Build(const TrainCommandLine& command, const std::vector<LabelledMessage>& messages) {
    const auto dictionary = TrainDictionary(messages, command.training);
    if (!tarn::rules::IsUsable(dictionary)) {
        std::cerr << "tarnrules-train: the mailboxes give no usable dictionary (ham and spam are both needed)\n";
        return false;
    }
    const auto bytes = tarn::rules::WriteDictionary(dictionary);
    std::ofstream out(command.out, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "tarnrules-train: cannot write " << command.out.string() << '\n';
        return false;
    }
    std::cout << "Wrote " << command.out.string() << ": " << dictionary.tokens.size() << " tokens from "
              << dictionary.ham_messages << " ham and " << dictionary.spam_messages << " spam messages, "
              << bytes.size() << " bytes\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        const TrainCommandLine command = ParseTrainCommandLine(arguments);
        if (command.command == Command::Help) {
            std::cout << TrainUsageText();
            return Success;
        }
        const LabelledMail mail = ReadLabelledMessages(command.ham, command.spam, std::cerr);
        const auto& messages = mail.messages;
        bool done = false;
        switch (command.command) {
            case Command::Build:
                done = Build(command, messages);
                break;
            case Command::CrossValidate:
                PrintCrossValidation(std::cout,
                                     CrossValidate(messages, command.training, command.folds, command.dealing),
                                     command.training.parameters);
                done = true;
                break;
            case Command::Evaluate:
                done = command.online ? EvaluateOnline(command.dictionary, messages, command.lesson_weight, std::cout)
                                      : Evaluate(command.dictionary, messages, std::cout);
                break;
            case Command::Stream:
                for (const std::size_t index : StreamOrderOf(messages)) {
                    std::cout << (messages[index].spam ? "spam\t" : "ham\t") << messages[index].source << '\n';
                }
                done = true;
                break;
            case Command::ValidateOnline:
                done = ValidateOnline(messages, command.training, command.lesson_weight, std::cout);
                break;
            case Command::Help:
                break;
        }
        return done && mail.unreadable == 0 ? Success : Failure;
    } catch (const UsageError& error) {
        std::cerr << "tarnrules-train: " << error.what() << "\n\n" << TrainUsageText();
        return BadUsage;
    } catch (const std::exception& error) {
        std::cerr << "tarnrules-train: " << error.what() << '\n';
        return Failure;
    }
}
