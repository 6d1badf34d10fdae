// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace marbolin {

// How far behind the user's keys a screen reader is, learned from its own
// answers.
//
// While a screen reader listens, Qt asks it about every key press and
// release and passes the key on once it has answered. So a key event that
// comes through sooner than Qt's timeout was read by then, and so was every
// key event before it; and while the reader is behind, the time between two
// answers is the time it takes for one key event. What was typed after the
// last answer it has still to read, at that pace. Only the first answers
// of a burst come in time, and they come slower than the rest, the reader
// still finishing what came before: speaking a new focus or the last words
// (Orca 43 here: 5 to 54 ms a key event at first, 5.5 to 6.7 ms over the
// whole of bursts of hundreds of keys). So the pace is taken from the
// quicker of the last few dozen answers, over many bursts.
//
// After a timeout Qt's bridge loses count: it passes on every key still
// waiting, and each later answer or timeout passes on whatever key is
// waiting then, its own or not. So the answers count again only once the
// keys have paused for longer than the timeout, after which none is pending.
class ReaderPace final {
public:
    // Qt waits this long for the answer to a key (ms).
    static constexpr std::int64_t kBridgeTimeout = 100;
    // The pace assumed before any is measured, a little slower than Orca 43's
    // here (ms a key event).
    static constexpr double kAssumedPace = 8.0;
    // However far behind it seems, the reader is taken to have read every
    // key this long after the last one (ms). Orca 43 read 1,000 keys typed
    // in 2 s within 5 to 10 s of the last; words held longer would come as
    // a surprise, long after the user stopped.
    static constexpr std::int64_t kLongestWait = 8'000;

    // Key event `number` (counted from 1, in the order typed) reached the
    // window at `at` ms.
    void noted(std::uint64_t number, std::int64_t at);
    // Key event `number`, noted at `notedAt`, was passed on at `at`.
    void delivered(std::uint64_t number, std::int64_t notedAt, std::int64_t at);

    // When the reader will have read every key event noted so far (ms).
    std::int64_t doneAt() const;
    // The time it takes for one key event, as last measured (ms).
    double pace() const { return pace_; }

private:
    double pace_ = kAssumedPace;
    std::vector<double> steps_;  // the last few dozen, ms a key event
    std::size_t nextStep_ = 0;   // the oldest, to be replaced next
    std::uint64_t lastNoted_ = 0;
    std::int64_t lastNotedAt_ = -kBridgeTimeout;
    bool trusted_ = true;         // Qt's bridge has not lost count since the keys last paused
    std::uint64_t answered_ = 0;  // the last key event the reader answered
    std::int64_t answeredAt_ = 0;
    double doneAt_ = 0;
};

}  // namespace marbolin
