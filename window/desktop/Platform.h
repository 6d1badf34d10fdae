// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace marbolin {

// What the desktop session says, read before Qt picks its platform.
struct Session {
    std::string type;               // XDG_SESSION_TYPE: "wayland", "x11", ...
    std::string desktop;            // XDG_CURRENT_DESKTOP, else XDG_SESSION_DESKTOP
    std::string chosenPlatform;     // QT_QPA_PLATFORM
    bool platformArgument = false;  // -platform on the command line
    std::string x11Display;         // DISPLAY: set where XWayland runs beside Wayland
    int qtVersion = 0;              // of the Qt in use, as QT_VERSION_CHECK gives it
};

// Whether a desktop, as XDG_CURRENT_DESKTOP names it ("ubuntu:GNOME"), is
// GNOME or built on it.
bool isGnome(std::string desktop);

// The desktop the session says it is: XDG_CURRENT_DESKTOP, else
// XDG_SESSION_DESKTOP.
std::string currentDesktop();

// The value for QT_QPA_PLATFORM, or "" to leave the choice to Qt.
//
// GNOME's compositor draws no frames for Wayland clients, and before 6.5 Qt
// has only its own fallback title bar for them: blue, the title cut short,
// a maximise button that does nothing, and no way for the window to be
// centred. Through XWayland GNOME draws its own frame, as for its own
// programs. So on GNOME on Wayland, with XWayland there and an older Qt,
// the window runs as an X11 client, falling back to Wayland should X11 fail.
// A platform the user chose always wins, and every other compositor (KWin
// draws frames itself) keeps Qt's choice.
std::string preferredPlatform(const Session& session);

// Reads the session from the environment and the command line and sets
// QT_QPA_PLATFORM where preferredPlatform() asks for it. Call it before the
// QApplication is made.
void choosePlatform(int argc, const char* const* argv);

}  // namespace marbolin
