// SPDX-License-Identifier: MIT
// Time entry: digits fill hh:mm:ss from the right, as on a pocket calculator.
#include "Form1Model.h"

#include <cstddef>

namespace marbolin {

namespace {
constexpr std::size_t kMaxDigits = 6;
}

void Form1Model::enterDigit(char digit)
{
    if (Anzeige.size() >= kMaxDigits) {
        view_.beep();
        return;
    }
    Anzeige.push_back(digit);

    // The display is rebuilt from the buffer every time, so whatever it
    // showed before (an old entry, the reset value) plays no part.
    const std::string padded = std::string(kMaxDigits - Anzeige.size(), '0') + Anzeige;
    display_ = padded.substr(0, 2) + ':' + padded.substr(2, 2) + ':' + padded.substr(4, 2);
    view_.showDisplay(display_);
    view_.announce(spokenEntry());
}

}  // namespace marbolin
