// tarn4ol-sim: reads mailboxes as Outlook stores their messages, for the add-in to screen.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/sim/command_line.h"
#include "tools/sim/dump_mode.h"
#include "tools/sim/exit_status.h"

int main(int argc, char** argv) {
    using namespace tarn::tools::sim;
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        const CommandLine command = ParseCommandLine(arguments);
        switch (command.mode) {
            case Mode::Help:
                std::cout << UsageText();
                return exit_status::AllRead;
            case Mode::Dump:
                return RunDump(command.mailboxes, std::cout, std::cerr);
        }
    } catch (const UsageError& error) {
        std::cerr << "tarn4ol-sim: " << error.what() << "\n\n" << UsageText();
    }
    return exit_status::BadUsage;
}
