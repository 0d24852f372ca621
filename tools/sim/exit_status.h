#pragma once

namespace tarn::tools::sim::exit_status {

inline constexpr int AllRead = 0;         // every message of every mailbox was read
inline constexpr int SomeUnreadable = 1;  // some message, file or mailbox could not be read
inline constexpr int BadUsage = 2;        // the command line was wrong; nothing was read

}  // namespace tarn::tools::sim::exit_status
