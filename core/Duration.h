// SPDX-License-Identifier: MIT
#pragma once

#include "Phrases.h"

#include <cstdint>
#include <optional>
#include <string>

namespace marbolin {

// A span of time as sign and magnitude: what the tape prints and what a
// screen reader says.
struct Duration {
    bool negative = false;
    std::uint64_t hours = 0;
    std::int64_t minutes = 0;
    std::int64_t seconds = 0;
};

// The running total as sign and magnitude. The total keeps its sign in hs
// alone, with minutes and seconds in 0..59, so minus 4:30 is held as
// hs = -1, ms = 55, ss = 30.
Duration totalDuration(std::int64_t hs, std::int64_t ms, std::int64_t ss);

// The hours, minutes and seconds a display text "hh:mm:ss" shows, each from
// two digits and not checked against its range; nothing if a field holds
// anything but digits.
std::optional<Duration> displayedDuration(const std::string& text);

// Words a speech synthesiser reads at once: "1 hour 30 minutes", "minus 5
// seconds", "0 seconds". Fields that are zero are left out.
std::string spokenDuration(const Duration& duration, const Phrases& phrases);

}  // namespace marbolin
