#include "tools/train/train_command_line.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tarn::tools::train {

namespace {

template <class Number>
Number ParseNumber(std::string_view option, std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw UsageError(std::string(option) + " takes a number, not \"" + std::string(text) + "\"");
    }
    return value;
}

Command CommandNamed(std::string_view name) {
    if (name == "build") return Command::Build;
    if (name == "cross-validate") return Command::CrossValidate;
    if (name == "evaluate") return Command::Evaluate;
    if (name == "stream") return Command::Stream;
    if (name == "validate-online") return Command::ValidateOnline;
    if (name == "help" || name == "--help" || name == "-h") return Command::Help;
    throw UsageError("unknown command \"" + std::string(name) + "\"");
}

void Check(const TrainCommandLine& command, bool lesson_weight_given) {
    if (command.command == Command::Help) return;
    if (command.ham.empty() || command.spam.empty()) {
        throw UsageError("give ham and spam mailboxes: --ham DIR... --spam DIR...");
    }
    if (command.command == Command::Build && command.out.empty()) throw UsageError("build needs --out FILE");
    if (command.command == Command::Evaluate && command.dictionary.empty()) {
        throw UsageError("evaluate needs --dictionary FILE");
    }
    if (command.online && command.command != Command::Evaluate) throw UsageError("--online is an option of evaluate");
    if (lesson_weight_given && !(command.online || command.command == Command::ValidateOnline)) {
        throw UsageError("--lesson-weight is an option of evaluate --online and validate-online");
    }
    if (command.lesson_weight < 1 || command.lesson_weight > rules::MaxLessonWeight) {
        throw UsageError("--lesson-weight takes 1 to " + std::to_string(rules::MaxLessonWeight));
    }
    if (command.folds < 2) throw UsageError("--folds takes 2 or more");
    const auto& p = command.training.parameters;
    if (!(p.unknown_strength > 0) || !(p.unknown_probability > 0 && p.unknown_probability < 1) ||
        !(p.min_strength >= 0 && p.min_strength < 0.49) || p.max_clues < 1 || p.max_clues > 300 ||
        !(p.ham_cutoff >= 0 && p.ham_cutoff <= p.spam_cutoff && p.spam_cutoff <= 1)) {
        throw UsageError("a parameter is out of range (see help)");
    }
}

}  // namespace

TrainCommandLine ParseTrainCommandLine(const std::vector<std::string_view>& arguments) {
    TrainCommandLine command;
    if (arguments.empty()) return command;
    command.command = CommandNamed(arguments[0]);
    std::vector<std::filesystem::path>* paths = nullptr;  // --ham and --spam take every path up to the next option
    auto& p = command.training.parameters;
    bool lesson_weight_given = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with("--")) {
            if (paths == nullptr) throw UsageError("unexpected argument \"" + std::string(argument) + "\"");
            paths->emplace_back(argument);
            continue;
        }
        paths = nullptr;
        if (argument == "--ham") {
            paths = &command.ham;
            continue;
        }
        if (argument == "--spam") {
            paths = &command.spam;
            continue;
        }
        if (argument == "--by-correspondent") {
            command.dealing = FoldDealing::ByCorrespondent;
            continue;
        }
        if (argument == "--online") {
            command.online = true;
            continue;
        }
        if (i + 1 == arguments.size()) throw UsageError(std::string(argument) + " needs a value");
        const std::string_view value = arguments[++i];
        if (argument == "--out") {
            command.out = value;
        } else if (argument == "--dictionary") {
            command.dictionary = value;
        } else if (argument == "--folds") {
            command.folds = ParseNumber<unsigned>(argument, value);
        } else if (argument == "--strength") {
            p.unknown_strength = ParseNumber<double>(argument, value);
        } else if (argument == "--unknown") {
            p.unknown_probability = ParseNumber<double>(argument, value);
        } else if (argument == "--min-strength") {
            p.min_strength = ParseNumber<double>(argument, value);
        } else if (argument == "--max-clues") {
            p.max_clues = ParseNumber<std::uint32_t>(argument, value);
        } else if (argument == "--ham-cutoff") {
            p.ham_cutoff = ParseNumber<double>(argument, value);
        } else if (argument == "--spam-cutoff") {
            p.spam_cutoff = ParseNumber<double>(argument, value);
        } else if (argument == "--lesson-weight") {
            command.lesson_weight = ParseNumber<unsigned>(argument, value);
            lesson_weight_given = true;
        } else if (argument == "--min-messages") {
            command.training.min_messages = ParseNumber<std::uint32_t>(argument, value);
        } else {
            throw UsageError("unknown option " + std::string(argument));
        }
    }
    Check(command, lesson_weight_given);
    return command;
}

std::string_view TrainUsageText() {
    return R"(Usage:
  tarnrules-train build --ham DIR... --spam DIR... --out FILE [PARAMETERS]
      Trains a dictionary on the mailboxes and writes it (the same mail gives the same bytes).
  tarnrules-train cross-validate --ham DIR... --spam DIR... [--folds N] [--by-correspondent]
                 [PARAMETERS]
      Rates each message with a dictionary trained on the other folds (default 10) and prints
      the ham judged spam and spam missed for a range of score cutoffs. The folds interleave
      the messages; with --by-correspondent each ham fold holds out whole mailing lists and
      senders and each spam fold a block of the spam in mailbox order, as new mail would.
  tarnrules-train evaluate --dictionary FILE --ham DIR... --spam DIR... [--online [--lesson-weight W]]
      Rates the mail with the dictionary as the engine library does: ham judged spam (rate 50
      or more), spam caught, unsure (rate 30 to 49), and the time of a rating. With --online
      the messages arrive one at a time in the project's fixed stream order (sorted by file
      name, then shuffled with a fixed seed), and after each verdict that was wrong or unsure
      the engine learns the message's true kind, as a user's correction teaches it; the
      figures are given for the whole stream and for its second half. A lesson counts as W
      messages of the dictionary (default 4, as the engine library counts it; 1 to 16).
  tarnrules-train validate-online --ham DIR... --spam DIR... [--lesson-weight W] [PARAMETERS]
      The online evaluation inside training mail: a dictionary trained on the earlier half of
      each mailbox (in mailbox order) starts, and the later halves arrive in the stream order,
      so that the lesson weight and the parameters can be chosen without held-out mail.
  tarnrules-train stream --ham DIR... --spam DIR...
      Prints the messages in that stream order, a line each: "ham" or "spam", a tab, and where
      the message was read, so that other filters can be run through the same stream.

Mailboxes are read as tarn4ol-sim reads them; each message is rated on the screening text the
add-in builds for it.

Parameters (the defaults are the shipped dictionary's):
  --strength S       weight of the unknown-token probability in a token's probability (0.45)
  --unknown X        probability of a token never seen (0.5)
  --min-strength M   tokens closer than M to 0.5 are no clues (0.1)
  --max-clues N      at most N clues are combined, 1 to 300 (200)
  --ham-cutoff H     scores below H are ham, rates 0 to 29 (0.2)
  --spam-cutoff C    scores from C up are spam, rates 50 to 255 (0.7)
  --min-messages K   tokens seen in fewer than K messages are left out (1)
)";
}

}  // namespace tarn::tools::train
