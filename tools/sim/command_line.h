#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace tarn::tools::sim {

// What tarn4ol-sim was asked to do.
enum class Mode {
    Help,  // print the usage text
    Dump,  // print each message's properties as the importer stores them
};

struct CommandLine {
    Mode mode = Mode::Help;
    std::vector<std::filesystem::path> mailboxes;
};

// A command line that asks for nothing tarn4ol-sim can do; what() says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. Options and mailbox paths may come in any order;
// "--" makes every later argument a path. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

std::string_view UsageText();

}  // namespace tarn::tools::sim
