// SPDX-License-Identifier: MIT
// libFuzzer entry: each input byte becomes a key code or a click, and the
// calculator must keep its total, its fields and its tape in step with the
// independent model after every one.
#include "Form1Model.h"
#include "RecordingView.h"
#include "ReferenceModel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    marbolin::testing::RecordingView view;
    view.keepLog = false;
    view.keepTape = false;
    marbolin::Form1Model model{view};
    marbolin::testing::ReferenceModel ref;
    model.Form_Load();

    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t byte = data[i];
        const std::size_t beeps = view.beeps;
        if (byte >= 0xF8) {
            // The top eight values are clicks on "+" or "-" with odd indexes.
            const auto index = static_cast<std::int16_t>(byte == 0xF8 ? 0 : (byte << 7));
            model.CommandPlus_Click(index);
            ref.click(index == 0 ? 0 : 1);
        } else if (byte == 0xF7) {
            model.CommandInfo_Click();
        } else {
            model.Form_KeyPress(static_cast<char16_t>(byte));
            ref.key(static_cast<char16_t>(byte));
        }
        const std::int64_t total = model.hs * 3600 + model.ms * 60 + model.ss;
        if (model.ms < 0 || model.ms > 59 || model.ss < 0 || model.ss > 59 || total != ref.total ||
            model.displayText() != ref.display() || model.Anzeige != ref.digits ||
            (byte != 0xF7 && view.beeps - beeps != (ref.lastBeeped ? 1U : 0U)) ||
            model.tapeText().size() != ref.tape.size()) {
            std::abort();
        }
    }
    if (model.tapeText() != ref.tape) {
        std::abort();
    }
    return 0;
}
