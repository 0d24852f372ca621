// tarn4ol-sim: the Tarn4OL add-in screening mailboxes in an Outlook of its own.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/sim/command_line.h"
#include "tools/sim/dump_mode.h"
#include "tools/sim/exit_status.h"
#include "tools/sim/online_mode.h"
#include "tools/sim/screen_mode.h"
#include "tools/sim/terminal_text.h"

int main(int argc, char** argv) {
    using namespace tarn::tools::sim;
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    int status = exit_status::BadUsage;
    try {
        const CommandLine command = ParseCommandLine(arguments);
        switch (command.mode) {
            case Mode::Help:
                std::cout << UsageText();
                status = exit_status::Success;
                break;
            case Mode::Dump:
                status = RunDump(command.mailboxes, std::cout, std::cerr);
                break;
            case Mode::Online:
                status = RunOnline(command, std::cout, std::cerr);
                break;
            case Mode::Screen:
                status = RunScreen(command, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
                break;
        }
    } catch (const UsageError& error) {
        std::cerr << "tarn4ol-sim: " << TerminalUtf8(error.what()) << "\n\n" << UsageText();
        return exit_status::BadUsage;
    } catch (const std::exception& error) {
        std::cerr << "tarn4ol-sim: " << TerminalUtf8(error.what()) << '\n';
        return exit_status::Failure;
    }
    // Output that did not reach its file (a full disk, a closed pipe) is a failed run.
    errno = 0;
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tarn4ol-sim: cannot write the output" << (errno != 0 ? std::string(": ") + std::strerror(errno) : "")
                  << '\n';
        return exit_status::Failure;
    }
    return status;
}
