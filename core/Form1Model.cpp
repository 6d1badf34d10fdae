// SPDX-License-Identifier: MIT
// The calculator's state, its key map and its commands. Time entry and the
// add/subtract operation live in files of their own.
#include "Form1Model.h"

#include "Credits.h"
#include "Duration.h"
#include "Form1View.h"
#include "Phrases.h"

#include <cstdint>
#include <string>

namespace marbolin {

namespace {

constexpr char16_t kCtrlC = 3;
constexpr const char* kCrLf = "\r\n";

std::string infoText(const Phrases& phrases)
{
    std::string text;
    text += "Marbolin 1.0";
    text += kCrLf;
    text += phrases.credit();
    text += kCrLf;
    text += credits::kEmail;
    text += kCrLf;
    text += credits::kWeb;
    text += kCrLf;
    text += kCrLf;
    text += phrases.infoPurpose();
    text += kCrLf;
    text += phrases.infoInput();
    text += kCrLf;
    text += phrases.infoKeys();
    text += kCrLf;
    text += kCrLf;
    return text;
}

}  // namespace

Form1Model::Form1Model(Form1View& view, const Phrases* phrases)
    : view_(view), phrases_(phrases != nullptr ? *phrases : english_)
{
}

const std::string& Form1Model::displayText() const
{
    return display_;
}

const std::string& Form1Model::tapeText() const
{
    return tape_;
}

std::uint64_t Form1Model::tapeClears() const
{
    return tapeClears_;
}

void Form1Model::Form_Load()
{
    display_ = "00:00:00";
    view_.showDisplay(display_);
    hs = 0;
    ms = 0;
    ss = 0;
}

void Form1Model::Form_KeyPress(char16_t code)
{
    switch (code) {
    case u'+':
        CommandPlus_Click(0);
        break;
    case u'-':
        CommandPlus_Click(1);
        break;
    case u'C':
    case u'c':
        CommandClear_Click();
        break;
    case kCtrlC:
        CommandClearAll_Click();
        break;
    default:
        if (code >= u'0' && code <= u'9') {
            enterDigit(static_cast<char>(code));
        } else {
            view_.beep();
        }
        break;
    }
}

void Form1Model::resetEntry()
{
    display_ = "00:00:00";
    view_.showDisplay(display_);
    Anzeige.clear();
}

// The entry in words; a display that is no time at all is read as it is.
std::string Form1Model::spokenEntry() const
{
    const auto entry = displayedDuration(display_);
    return entry ? spokenDuration(*entry, phrases_) : display_;
}

void Form1Model::CommandClear_Click()
{
    resetEntry();
    view_.announce(phrases_.entryCleared());
}

void Form1Model::CommandClearAll_Click()
{
    resetEntry();
    tape_.clear();
    ++tapeClears_;
    view_.showTape(tape_);
    hs = 0;
    ms = 0;
    ss = 0;
    view_.announce(phrases_.allCleared());
}

void Form1Model::CommandInfo_Click()
{
    view_.messageBox(infoText(phrases_), Form1View::Icon::Information, phrases_.infoTitle());
}

}  // namespace marbolin
