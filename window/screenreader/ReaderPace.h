// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace marbolin {

// How far behind the user's keys a screen reader is, from its own answers.
//
// While a screen reader listens, Qt asks it about every key press and
// release, through the accessibility registry, and passes the key on once
// it has answered, or after kBridgeTimeout. The registry hands the reader
// one key at a time, and the reader echoes each as it answers, so the
// answers come at the pace it reads: they tell how far it has got.
//
// - A key passed on before the timeout was answered by then, and so was
//   every key before it. After a timeout, though, Qt's bridge loses count:
//   it passes on every key still waiting, and each later answer passes on
//   whatever key is waiting then, its own or not. So such answers count
//   again only once the keys have paused for longer than the timeout.
// - An answer that comes after the timeout (lateAnswer(), LateAnswers) means
//   the reader is still at work. Once none has come for kQuiet, and the last
//   key has had time to be answered, it has read every key.
// - Where late answers cannot be heard, the reader is taken to read
//   kAssumedPace a key event from its last answer in time on.
//
// However far behind it seems, the reader is taken to have read every key
// kLongestWait after the last one.
class ReaderPace final {
public:
    // Qt waits this long for the answer to a key (ms).
    static constexpr std::int64_t kBridgeTimeout = 100;
    // A reader that has sent no late answer for this long has none to send
    // (ms): Orca 43 sent them 1 to 19 ms apart while it worked off 600 key
    // events here.
    static constexpr std::int64_t kQuiet = 200;
    // A little slower than Orca 43 reads key events here over long bursts,
    // 5.5 to 6.7 ms each (ms a key event).
    static constexpr std::int64_t kAssumedPace = 8;
    // Orca 43 read 1,000 keys typed in 2 s within 5 to 10 s of the last;
    // words held longer would come as a surprise, long after the user
    // stopped (ms).
    static constexpr std::int64_t kLongestWait = 8'000;

    // Late answers will be heard (LateAnswers listens).
    void hearLateAnswers() { hearsLate_ = true; }

    // Key event `number` (counted from 1, in the order typed) reached the
    // window at `at` ms.
    void noted(std::uint64_t number, std::int64_t at);
    // Key event `number`, noted at `notedAt`, was passed on at `at`.
    void delivered(std::uint64_t number, std::int64_t notedAt, std::int64_t at);
    // The reader answered a key event after Qt had stopped waiting.
    void lateAnswer(std::int64_t at) { lastLateAt_ = at; }

    // When the reader will have read every key event noted so far (ms).
    std::int64_t doneAt() const;

private:
    bool hearsLate_ = false;
    std::uint64_t lastNoted_ = 0;
    std::int64_t lastNotedAt_ = -kBridgeTimeout;
    bool trusted_ = true;         // Qt's bridge has not lost count since the keys last paused
    std::uint64_t answered_ = 0;  // the last key event answered in time
    std::int64_t answeredAt_ = 0;
    std::int64_t lastLateAt_ = -kQuiet;
    std::int64_t paced_ = 0;  // when a reader at kAssumedPace would be done
};

}  // namespace marbolin
