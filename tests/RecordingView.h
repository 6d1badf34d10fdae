// SPDX-License-Identifier: MIT
#pragma once

#include "Form1View.h"

#include <cstddef>
#include <string>
#include <vector>

namespace marbolin::testing {

// Logs every call the calculator makes, in order, as a short readable line.
// The tape is logged by its length only, so that sessions of a million
// operations stay linear; its last text is kept in full.
class RecordingView final : public Form1View {
public:
    std::vector<std::string> calls;
    std::string display;
    std::string tape;
    std::size_t beeps = 0;
    std::size_t boxes = 0;
    bool keepLog = true;
    bool keepTape = true;

    void showDisplay(const std::string& text) override
    {
        display = text;
        log("display " + text);
    }
    void showTape(const std::string& text) override
    {
        if (keepTape) {
            tape = text;
        }
        log("tape " + std::to_string(text.size()));
    }
    void scrollTapeToEnd() override { log("scroll"); }
    void beep() override
    {
        ++beeps;
        log("beep");
    }
    void messageBox(const std::string& text, Icon icon, const std::string& title) override
    {
        ++boxes;
        log(std::string("box ") + (icon == Icon::Critical ? "critical " : "information ") + title + " | " +
            text);
    }

    void announce(const std::string& text) override { log("say " + text); }

    void clear()
    {
        calls.clear();
        beeps = 0;
        boxes = 0;
    }

private:
    void log(std::string line)
    {
        if (keepLog) {
            calls.push_back(std::move(line));
        }
    }
};

}  // namespace marbolin::testing
