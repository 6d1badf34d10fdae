// SPDX-License-Identifier: MIT
#include "ReaderPace.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace marbolin {

namespace {

// Qt counts its timeout with a coarse timer, which may fire this much early
// (ms): so a key that took this close to the timeout may not have been
// answered.
constexpr std::int64_t kTimeoutSlack = 15;
// No screen reader answers a key event quicker than this (ms): two keys
// passed on closer together were passed on at once, at a timeout.
constexpr double kQuickest = 1.0;
// The pace is the lower quartile of the last kKept steps, once there are
// kFewest, and no quicker than this (ms a key event): one quick answer does
// not make a quick reader.
constexpr std::size_t kFewest = 2;
constexpr std::size_t kKept = 32;
constexpr double kQuickestPace = 4.0;

}  // namespace

void ReaderPace::noted(std::uint64_t number, std::int64_t at)
{
    if (at - lastNotedAt_ > kBridgeTimeout) {
        // Every key before this one has been answered or timed out.
        trusted_ = true;
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
    // in between.
    if (answered_ != 0 && notedAt <= answeredAt_) {
        const double step = double(at - answeredAt_) / double(number - answered_);
        if (step < kQuickest) {
            trusted_ = false;
            return;
        }
        if (steps_.size() < kKept) {
            steps_.push_back(step);
        } else {
            steps_[nextStep_] = step;
            nextStep_ = (nextStep_ + 1) % kKept;
        }
        if (steps_.size() >= kFewest) {
            std::vector<double> sorted = steps_;
            const auto quartile = sorted.begin() + std::ptrdiff_t(sorted.size() / 4);
            std::nth_element(sorted.begin(), quartile, sorted.end());
            pace_ = std::max(*quartile, kQuickestPace);
        }
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
