// SPDX-License-Identifier: MIT
#include "Duration.h"

#include "Phrases.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace marbolin {

Duration totalDuration(std::int64_t hs, std::int64_t ms, std::int64_t ss)
{
    if (hs >= 0) {
        return {.negative = false, .hours = static_cast<std::uint64_t>(hs), .minutes = ms, .seconds = ss};
    }
    // 0 - unsigned(hs) is |hs| even for the lowest int64; the magnitude is
    // worked out without forming hs * 3600, which keeps it exact for every hs.
    Duration magnitude{
        .negative = true, .hours = 0 - static_cast<std::uint64_t>(hs), .minutes = 0, .seconds = 0};
    const std::int64_t below = (ms * 60) + ss;  // seconds above the (negative) hour hs
    if (below > 0) {
        magnitude.hours -= 1;
        const std::int64_t rest = 3600 - below;
        magnitude.minutes = rest / 60;
        magnitude.seconds = rest % 60;
    }
    return magnitude;
}

namespace {

// The decimal value of the two characters at pos, or -1 if either is not a
// digit.
int twoDigits(const std::string& text, std::size_t pos)
{
    if (text.size() < pos + 2) {
        return -1;
    }
    const char tens = text[pos];
    const char ones = text[pos + 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') {
        return -1;
    }
    return ((tens - '0') * 10) + (ones - '0');
}

}  // namespace

std::optional<Duration> displayedDuration(const std::string& text)
{
    const int h = twoDigits(text, 0);
    const int m = twoDigits(text, 3);
    const int s = twoDigits(text, 6);
    if (h < 0 || m < 0 || s < 0) {
        return std::nullopt;
    }
    return Duration{.negative = false, .hours = static_cast<std::uint64_t>(h), .minutes = m, .seconds = s};
}

std::string spokenDuration(const Duration& duration, const Phrases& phrases)
{
    std::string words;
    auto append = [&words](const std::string& field) { words += (words.empty() ? "" : " ") + field; };
    const bool zero = duration.hours == 0 && duration.minutes == 0 && duration.seconds == 0;
    if (duration.hours != 0) {
        append(phrases.hours(duration.hours));
    }
    if (duration.minutes != 0) {
        append(phrases.minutes(static_cast<std::uint64_t>(duration.minutes)));
    }
    if (duration.seconds != 0 || zero) {
        append(phrases.seconds(static_cast<std::uint64_t>(duration.seconds)));
    }
    return duration.negative ? phrases.negative(words) : words;
}

}  // namespace marbolin
