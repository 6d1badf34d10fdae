// SPDX-License-Identifier: MIT
#pragma once

#include "Form1View.h"
#include "Phrases.h"

#include <cstdint>
#include <string>

namespace marbolin {

// The calculator behind the window: the digit buffer, the display text, the
// running total and the result tape, and one operation per window event.
// Every change of the display or the tape is passed on to the view at once.
class Form1Model final {
public:
    // phrases: the words of the boxes and of what a screen reader is told;
    // English without them. They must outlive the calculator.
    explicit Form1Model(Form1View& view, const Phrases* phrases = nullptr);

    // The running total is hs * 3600 + ms * 60 + ss seconds. Between
    // operations ms and ss are in 0..59, so a negative total has a negative hs.
    std::int64_t hs = 0;
    std::int64_t ms = 0;
    std::int16_t ss = 0;
    // The digits typed since the last reset, oldest first, at most six.
    std::string Anzeige;

    const std::string& displayText() const;  // always 8 characters, "00:00:00" at start
    const std::string& tapeText() const;     // lines end in CR LF

    // How often the tape has been emptied. Between two clears the tape only
    // grows at its end, which lets a view append instead of redrawing.
    std::uint64_t tapeClears() const;

    void Form_Load();
    void Form_KeyPress(char16_t code);
    void CommandPlus_Click(std::int16_t index);
    void CommandClear_Click();
    void CommandClearAll_Click();
    void CommandInfo_Click();

private:
    void enterDigit(char digit);
    void resetEntry();
    std::string spokenEntry() const;

    Form1View& view_;
    Phrases english_;
    const Phrases& phrases_;
    std::string display_ = "00:00:00";
    std::string tape_;
    std::uint64_t tapeClears_ = 0;
};

}  // namespace marbolin
