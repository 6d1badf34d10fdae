// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace marbolin {

// The calculator and its window are split in two. Form1Model holds every rule
// and every piece of state; it knows the window only through this small
// interface of show- and set-operations. The Qt window implements it and
// forwards each of its events to the model, so the whole program can run and
// be tested without a single widget.
class Form1View {
public:
    enum class Icon : std::uint8_t { Information, Critical };

    virtual ~Form1View() = default;

    virtual void showDisplay(const std::string& text) = 0;  // LabelZeit shows text
    virtual void showTape(const std::string& text) = 0;     // TextErgebnis holds exactly text
    virtual void scrollTapeToEnd() = 0;
    virtual void beep() = 0;
    // Modal: returns once the user has closed the box.
    virtual void messageBox(const std::string& text, Icon icon, const std::string& title) = 0;
    // Words for a screen reader to speak: what changed, where a listener
    // cannot see it. Shown to nobody.
    virtual void announce(const std::string& text) = 0;

protected:
    Form1View() = default;
    Form1View(const Form1View&) = default;
    Form1View(Form1View&&) = default;
    Form1View& operator=(const Form1View&) = default;
    Form1View& operator=(Form1View&&) = default;
};

}  // namespace marbolin
