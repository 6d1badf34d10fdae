// SPDX-License-Identifier: MIT
#include "ReaderPace.h"

#include <algorithm>

namespace marbolin {

namespace {

// Qt counts its timeout with a coarse timer, which may fire this much early
// (ms): so a key that took this close to the timeout may not have been
// answered.
constexpr std::int64_t kTimeoutSlack = 15;

}  // namespace

void ReaderPace::noted(std::uint64_t number, std::int64_t at)
{
    if (at - lastNotedAt_ > kBridgeTimeout) {
        // Every key before this one has been answered or timed out.
        trusted_ = true;
    }
    paced_ = std::max(std::min(paced_, lastNotedAt_ + kLongestWait), at) + kAssumedPace;
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
    // Two keys passed on at once were passed on at a timeout.
    if (answered_ != 0 && notedAt <= answeredAt_ && at == answeredAt_) {
        trusted_ = false;
        return;
    }
    answered_ = number;
    answeredAt_ = at;
    paced_ = at + std::int64_t(lastNoted_ - number) * kAssumedPace;
}

std::int64_t ReaderPace::doneAt() const
{
    if (answered_ == lastNoted_) {
        return answeredAt_;
    }
    // A timeout, or a late answer not long ago: the reader is behind, and
    // its late answers tell when it is done.
    const bool behind = !trusted_ || lastLateAt_ + kQuiet > lastNotedAt_;
    const std::int64_t done =
        hearsLate_ && behind ? std::max(lastNotedAt_ + kBridgeTimeout, lastLateAt_) + kQuiet : paced_;
    return std::min(done, lastNotedAt_ + kLongestWait);
}

}  // namespace marbolin
