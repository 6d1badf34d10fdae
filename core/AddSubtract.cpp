// SPDX-License-Identifier: MIT
// Add and subtract: the display's time joins the running total with carries
// and borrows, and the operand and the new total go onto the tape.
#include "Form1Model.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marbolin {

namespace {

constexpr std::string_view kInputError = "Input error.\r\nInput the time in the format 'hh:mm:ss'";

// The decimal value of the two characters at pos, or nothing if either is
// not a digit.
std::optional<int> field(const std::string& text, std::size_t pos)
{
    if (text.size() < pos + 2) {
        return std::nullopt;
    }
    const char tens = text[pos];
    const char ones = text[pos + 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') {
        return std::nullopt;
    }
    return (tens - '0') * 10 + (ones - '0');
}

void appendNumber(std::string& out, std::uint64_t value, std::size_t minDigits)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const auto length = static_cast<std::size_t>(result.ptr - digits.data());
    if (length < minDigits) {
        out.append(minDigits - length, '0');
    }
    out.append(digits.data(), length);
}

// Prints the total as sign and magnitude. hs alone carries the sign while
// minutes and seconds stay in 0..59, so minus 4:30 is held as hs = -1,
// ms = 55, ss = 30; printing those fields as they stand would read
// "-001:55:30". The magnitude is worked out without forming hs * 3600, which
// keeps it exact for every hs.
void appendTotal(std::string& out, std::int64_t hs, std::int64_t ms, std::int64_t ss, char separator)
{
    std::uint64_t hours = 0;
    std::int64_t minutes = ms;
    std::int64_t seconds = ss;
    if (hs < 0) {
        out.push_back('-');
        const std::int64_t below = ms * 60 + ss;  // seconds above the (negative) hour hs
        // 0 - unsigned(hs) is |hs| even for the lowest int64.
        hours = 0 - static_cast<std::uint64_t>(hs);
        if (below > 0) {
            hours -= 1;
            const std::int64_t rest = 3600 - below;
            minutes = rest / 60;
            seconds = rest % 60;
        }
    } else {
        hours = static_cast<std::uint64_t>(hs);
    }
    appendNumber(out, hours, 3);
    out.push_back(separator);
    appendNumber(out, static_cast<std::uint64_t>(minutes), 2);
    out.push_back(separator);
    appendNumber(out, static_cast<std::uint64_t>(seconds), 2);
}

}  // namespace

void Form1Model::CommandPlus_Click(std::int16_t index)
{
    const std::string& t = display_;
    const auto h = field(t, 0);
    const auto m = field(t, 3);
    const auto s = field(t, 6);
    if (!h || !m || !s || *m > 59 || *s > 59) {
        // The entry stays as it is, so the user sees what was wrong and can
        // clear it with C.
        view_.beep();
        view_.messageBox(std::string(kInputError), Form1View::Icon::Critical, "Error");
        return;
    }

    const bool add = index == 0;
    // One carry or borrow per field is always enough: ms and ss start in
    // 0..59 and the operand's minutes and seconds are at most 59.
    ss = static_cast<std::int16_t>(add ? ss + *s : ss - *s);
    if (ss > 59) {
        ss = static_cast<std::int16_t>(ss - 60);
        ms += 1;
    }
    if (ss < 0) {
        ss = static_cast<std::int16_t>(ss + 60);
        ms -= 1;
    }
    ms = add ? ms + *m : ms - *m;
    if (ms > 59) {
        ms -= 60;
        hs += 1;
    }
    if (ms < 0) {
        ms += 60;
        hs -= 1;
    }
    hs = add ? hs + *h : hs - *h;

    tape_ += add ? "+ " : "- ";
    tape_ += t;
    tape_ += "\r\n=";
    appendTotal(tape_, hs, ms, ss, t[2]);
    tape_ += "\r\n";
    view_.showTape(tape_);
    view_.scrollTapeToEnd();

    resetEntry();
}

}  // namespace marbolin
