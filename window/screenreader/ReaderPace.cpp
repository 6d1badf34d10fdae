// SPDX-License-Identifier: MIT
#include "ReaderPace.h"

#include <algorithm>
#include <cmath>

namespace marbolin {

namespace {

// An answer this close to the timeout may be the timeout itself (ms).
constexpr std::int64_t kTimeoutSlack = 5;

}  // namespace

void ReaderPace::noted(std::uint64_t number, std::int64_t at)
{
    if (at - lastNotedAt_ > kBridgeTimeout) {
        // Every key before this one has been answered or timed out, and
        // the reader may be working at another pace now.
        trusted_ = true;
        measured_ = 0;
        steps_ = 0;
    }
    doneAt_ = std::max(double(doneAt()), double(at)) + pace_;
    lastNoted_ = number;
    lastNotedAt_ = at;
}

void ReaderPace::delivered(std::uint64_t number, std::int64_t notedAt, std::int64_t at)
{
    if (at - notedAt >= kBridgeTimeout - kTimeoutSlack) {
        trusted_ = false;
        return;
    }
    if (!trusted_ || number <= answered_) {
        return;
    }
    // The reader was busy from its last answer on if this key event was
    // already waiting then; the time since is what it took for the events
    // in between. The pace is their mean since the keys last paused.
    if (answered_ != 0 && notedAt <= answeredAt_) {
        measured_ += double(at - answeredAt_);
        steps_ += number - answered_;
        pace_ = measured_ / double(steps_);
    }
    answered_ = number;
    answeredAt_ = at;
    doneAt_ = double(at) + double(lastNoted_ - number) * pace_;
}

std::int64_t ReaderPace::doneAt() const
{
    return std::min(std::int64_t(std::ceil(doneAt_)), lastNotedAt_ + kLongestWait);
}

}  // namespace marbolin
