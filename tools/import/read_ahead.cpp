#include "tools/import/read_ahead.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace tarn::tools::import {

namespace {

// How far the reading may run ahead: enough to smooth out slow messages, little memory.
constexpr std::size_t MaxEntriesAhead = 64;

// The entries between the reading thread and the caller's.
class EntryQueue {
public:
    // Waits for room; false when the taker has given up.
    bool Put(MailboxEntry entry) {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [&] { return abandoned_ || entries_.size() < MaxEntriesAhead; });
        if (abandoned_) return false;
        entries_.push_back(std::move(entry));
        ready_.notify_one();
        return true;
    }
    // The reading has ended, with what it threw if it failed.
    void Finish(std::exception_ptr failure) {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        failure_ = failure;
        ready_.notify_one();
    }
    // The next entry; nothing once the reading has ended and every entry was taken.
    std::optional<MailboxEntry> Take() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return finished_ || !entries_.empty(); });
        if (entries_.empty()) {
            if (failure_) std::rethrow_exception(failure_);
            return std::nullopt;
        }
        MailboxEntry entry = std::move(entries_.front());
        entries_.pop_front();
        room_.notify_one();
        return entry;
    }
    // The taker stops: the reading ends at its next entry.
    void Abandon() {
        const std::lock_guard lock(mutex_);
        abandoned_ = true;
        room_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable room_;
    std::deque<MailboxEntry> entries_;
    bool finished_ = false;
    bool abandoned_ = false;
    std::exception_ptr failure_;
};

// Raised in the reading thread to leave ReadMailbox once the taker has given up.
struct ReadingAbandoned {};

}  // namespace

void ReadMailboxesAhead(const std::vector<std::filesystem::path>& mailboxes, const MailboxSink& sink) {
    EntryQueue queue;
    std::thread reader([&] {
        std::exception_ptr failure;
        try {
            for (const auto& mailbox : mailboxes) {
                ReadMailbox(mailbox, [&](MailboxEntry entry) {
                    if (!queue.Put(std::move(entry))) throw ReadingAbandoned{};
                });
            }
        } catch (const ReadingAbandoned&) {
        } catch (...) {
            failure = std::current_exception();
        }
        queue.Finish(failure);
    });
    try {
        while (auto entry = queue.Take()) sink(std::move(*entry));
    } catch (...) {
        queue.Abandon();
        reader.join();
        throw;
    }
    reader.join();
}

}  // namespace tarn::tools::import
