// tarn4ol-sim: the Tarn4OL add-in screening mailboxes in an Outlook of its own.
#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "tools/sim/command_line.h"
#include "tools/sim/dump_mode.h"
#include "tools/sim/exit_status.h"
#include "tools/sim/screen_mode.h"

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
            case Mode::Screen:
                return RunScreen(command, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
        }
    } catch (const UsageError& error) {
        std::cerr << "tarn4ol-sim: " << error.what() << "\n\n" << UsageText();
    } catch (const std::exception& error) {
        std::cerr << "tarn4ol-sim: " << error.what() << '\n';
        return exit_status::SomeUnreadable;
    }
    return exit_status::BadUsage;
}
