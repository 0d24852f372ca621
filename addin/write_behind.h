#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/diagnostics.h"
#include "platform/timer.h"

namespace tarn::addin {

// What the add-in changed by itself and has not written yet, written a moment after the last
// change and all at once when Outlook quits. Since Outlook 2010 a normal exit ends the process
// after the application's Quit event, without OnBeginShutdown or OnDisconnection, so nothing
// the user would miss may wait for a shutdown; and writing each change at once would write a
// list of many thousand entries once per sent message.
class WriteBehind {
public:
    enum class Change : std::size_t {
        FriendSenders,  // the recipients of sent mail became friends
        Lessons,        // the rating engine was taught
    };
    // Writes one kind of change; raises what fails.
    using Writer = std::function<void()>;

    // How long after the last change the writing waits: a send and receive that files several
    // sent messages into Sent Items within a second or two makes one write of the friends.
    static constexpr std::chrono::milliseconds DefaultDelay{2000};

    WriteBehind(platform::TimerFactory& timers, platform::Diagnostics& diagnostics,
                std::chrono::milliseconds delay = DefaultDelay);
    WriteBehind(const WriteBehind&) = delete;
    WriteBehind& operator=(const WriteBehind&) = delete;

    // `place` names the writing in the diagnostics log when it fails.
    void SetWriter(Change change, std::string place, Writer writer);
    // A change to write soon: the wait starts again, so changes close together are written once.
    void Changed(Change change);
    // Writes every pending change now, each on its own: one that fails is recorded and stays
    // pending for the next change or the next WriteAll. Returns whether all were written.
    bool WriteAll() noexcept;
    bool Pending(Change change) const noexcept { return kinds_[Index(change)].pending; }

private:
    struct Kind {
        std::string place;
        Writer writer;
        bool pending = false;
    };
    static std::size_t Index(Change change) noexcept { return static_cast<std::size_t>(change); }

    platform::Diagnostics& diagnostics_;
    std::unique_ptr<platform::Timer> timer_;
    std::array<Kind, 2> kinds_;
};

}  // namespace tarn::addin
