#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/temp_dir.h"

namespace tarn::tools::sim {

struct SimRun {
    int status = -1;
    std::string out;
};

// The sample state copied into the test's folder, for a test that changes it before the run.
inline std::filesystem::path SampleState(const test_support::TempDir& dir) {
    std::filesystem::copy(std::filesystem::path(TARN_TEST_SOURCE_DIR) / "samples" / "state", dir / "state");
    return dir / "state";
}

// Runs the simulator program itself, from the source folder, with the sample state copied
// (unless the test made the state folder itself). Standard error joins the output unless the
// arguments redirect it.
inline SimRun Simulate(const test_support::TempDir& dir, const std::string& arguments, const std::string& format = "--json",
                const std::string& redirection = "2>&1") {
    const std::filesystem::path state = dir / "state";
    if (!std::filesystem::exists(state)) SampleState(dir);
    const std::string command = "cd '" TARN_TEST_SOURCE_DIR "' && '" TARN_SIM_PROGRAM "' " + format + " --state '" +
                                state.string() + "' " + arguments + " " + redirection;
    SimRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer;
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) run.out.append(buffer.data(), got);
    run.status = ::pclose(pipe);
    return run;
}

}  // namespace tarn::tools::sim
