// SPDX-License-Identifier: MIT
// Sweeps that tables miss: every key code, and long random sessions checked
// step by step against an independent calculator.
#include "Form1Model.h"
#include "RecordingView.h"
#include "ReferenceModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace marbolin {
namespace {

using testing::RecordingView;
using testing::ReferenceModel;

bool isMapped(char16_t code)
{
    return code == '+' || code == '-' || code == 'C' || code == 'c' || code == 3 ||
           (code >= '0' && code <= '9');
}

TEST(KeySweep, OnlyMappedCodesChangeAnythingAndEveryOtherBeepsOnce)
{
    int mapped = 0;
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        const auto key = static_cast<char16_t>(code);
        RecordingView view;
        Form1Model model{view};
        model.Form_Load();
        view.clear();
        model.Form_KeyPress(key);
        const bool changed = model.displayText() != "00:00:00" || !model.tapeText().empty() ||
                             !model.Anzeige.empty() || model.hs != 0 || model.ms != 0 || model.ss != 0;
        if (isMapped(key)) {
            ++mapped;
            EXPECT_EQ(view.beeps, 0U) << "code " << code;
            // '+' and '-' on a fresh calculator add or subtract 00:00:00.
            const bool expectChange = (key >= '0' && key <= '9') || key == '+' || key == '-';
            EXPECT_EQ(changed, expectChange) << "code " << code;
        } else {
            ASSERT_EQ(view.calls, std::vector<std::string>{"beep"}) << "code " << code;
            ASSERT_FALSE(changed) << "code " << code;
        }
    }
    EXPECT_EQ(mapped, 15);
}

// Each step is a key code or a click, drawn so that rejected entries,
// full buffers, negative totals and both clears all come up often.
struct Step {
    enum Kind { Key, Click, ClearClick, ClearAllClick } kind;
    char16_t code;
    std::int16_t index;
};

Step drawStep(std::mt19937_64& rng)
{
    static constexpr char16_t keys[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8',  '9', '9', '0',
                                        '+', '+', '-', '-', 'C', 'c', 3,   'x', '\b', 27,  ' ', '='};
    const auto pick = rng() % 100;
    if (pick < 85) {
        return {Step::Key, keys[rng() % std::size(keys)], 0};
    }
    if (pick < 95) {
        return {Step::Click, 0, static_cast<std::int16_t>(rng() % 3 == 0 ? 0 : rng())};
    }
    if (pick < 99) {
        return {Step::ClearClick, 0, 0};
    }
    return {Step::ClearAllClick, 0, 0};
}

void runSession(std::uint64_t seed, long operations)
{
    std::mt19937_64 rng(seed);
    RecordingView view;
    view.keepLog = false;
    view.keepTape = false;
    Form1Model model{view};
    ReferenceModel ref;
    model.Form_Load();

    for (long i = 0; i < operations; ++i) {
        const Step step = drawStep(rng);
        const std::size_t beeps = view.beeps;
        const std::size_t boxes = view.boxes;
        switch (step.kind) {
        case Step::Key:
            model.Form_KeyPress(step.code);
            ref.key(step.code);
            break;
        case Step::Click:
            model.CommandPlus_Click(step.index);
            ref.click(step.index == 0 ? 0 : 1);
            break;
        case Step::ClearClick:
            model.CommandClear_Click();
            ref.key('C');
            break;
        case Step::ClearAllClick:
            model.CommandClearAll_Click();
            ref.key(3);
            break;
        }
        const std::int64_t total = model.hs * 3600 + model.ms * 60 + model.ss;
        const bool ok =
            model.ms >= 0 && model.ms <= 59 && model.ss >= 0 && model.ss <= 59 && total == ref.total &&
            model.Anzeige == ref.digits && model.displayText() == ref.display() &&
            view.display == ref.display() && view.beeps - beeps == (ref.lastBeeped ? 1U : 0U) &&
            view.boxes - boxes == (ref.lastRejected ? 1U : 0U) && model.tapeText().size() == ref.tape.size();
        ASSERT_TRUE(ok) << "seed " << seed << " step " << i << ": hs " << model.hs << " ms " << model.ms
                        << " ss " << model.ss << " expected total " << ref.total << ", display "
                        << model.displayText() << " expected " << ref.display();
    }
    ASSERT_EQ(model.tapeText(), ref.tape) << "seed " << seed;
}

class RandomSession : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSession, MatchesIndependentModel)
{
    runSession(GetParam(), 20'000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Values(1, 2, 3, 42, 1234567, 0xC0FFEE));

TEST(RandomSession, MillionOperations)
{
    runSession(20261208, 1'000'000);
}

}  // namespace
}  // namespace marbolin
