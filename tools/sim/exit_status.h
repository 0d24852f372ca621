#pragma once

namespace tarn::tools::sim::exit_status {

inline constexpr int Success = 0;   // every message was read and every file written
inline constexpr int Failure = 1;   // a message, file or mailbox could not be read, a file of the
                                    // state folder could not be written, the add-in contained a
                                    // failure, or the output could not be written: stderr says which
inline constexpr int BadUsage = 2;  // the command line was wrong; nothing was read

}  // namespace tarn::tools::sim::exit_status
