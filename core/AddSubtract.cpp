// SPDX-License-Identifier: MIT
// Add and subtract: the display's time joins the running total with carries
// and borrows, and the operand and the new total go onto the tape.
#include "Form1Model.h"

#include "Duration.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace marbolin {

namespace {

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

// Prints the total as sign and magnitude: minus 4:30, held as hs = -1,
// ms = 55, ss = 30, prints "-000:04:30" rather than the fields as they stand.
void appendTotal(std::string& out, const Duration& total, char separator)
{
    if (total.negative) {
        out.push_back('-');
    }
    appendNumber(out, total.hours, 3);
    out.push_back(separator);
    appendNumber(out, static_cast<std::uint64_t>(total.minutes), 2);
    out.push_back(separator);
    appendNumber(out, static_cast<std::uint64_t>(total.seconds), 2);
}

}  // namespace

void Form1Model::CommandPlus_Click(std::int16_t index)
{
    const std::string& t = display_;
    const std::optional<Duration> operand = displayedDuration(t);
    if (!operand || operand->minutes > 59 || operand->seconds > 59) {
        // The entry stays as it is, so the user sees what was wrong and can
        // clear it with C.
        view_.beep();
        view_.messageBox(phrases_.inputError() + "\r\n" + phrases_.inputFormat(), Form1View::Icon::Critical,
                         phrases_.errorTitle());
        // Nothing on the screen changes, so a listener is told what the
        // next digits will extend.
        view_.announce(phrases_.entryKept(spokenEntry()));
        return;
    }

    const auto h = static_cast<std::int64_t>(operand->hours);
    const std::int64_t m = operand->minutes;
    const std::int64_t s = operand->seconds;
    const bool add = index == 0;
    // One carry or borrow per field is always enough: ms and ss start in
    // 0..59 and the operand's minutes and seconds are at most 59.
    ss = static_cast<std::int16_t>(add ? ss + s : ss - s);
    if (ss > 59) {
        ss = static_cast<std::int16_t>(ss - 60);
        ms += 1;
    }
    if (ss < 0) {
        ss = static_cast<std::int16_t>(ss + 60);
        ms -= 1;
    }
    ms = add ? ms + m : ms - m;
    if (ms > 59) {
        ms -= 60;
        hs += 1;
    }
    if (ms < 0) {
        ms += 60;
        hs -= 1;
    }
    hs = add ? hs + h : hs - h;

    tape_ += add ? "+ " : "- ";
    tape_ += t;
    tape_ += "\r\n=";
    const Duration total = totalDuration(hs, ms, ss);
    appendTotal(tape_, total, t[2]);
    tape_ += "\r\n";
    view_.showTape(tape_);
    view_.scrollTapeToEnd();

    resetEntry();
    view_.announce(phrases_.total(spokenDuration(total, phrases_)));
}

}  // namespace marbolin
