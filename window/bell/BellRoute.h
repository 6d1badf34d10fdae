// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace marbolin {

// Who makes the sound of a beep, if anyone.
enum class BellRoute {
    System,      // the platform's beep: Qt's, which on X11 rings the X bell
    SoundTheme,  // the desktop's sound-theme bell, played by the program
    Silent,      // switched off by the user, or a bell has only just sounded
};

// What decides the route, read from the desktop at each beep.
struct BellFacts {
    enum class Platform { X11, Wayland, Other };
    Platform platform = Platform::Other;
    // X11: the X server's own bell is switched off (XKB's AudibleBell
    // control), as a window manager does that plays the bell itself.
    bool xBellTakenOver = false;
    std::string windowManager;  // X11: the window manager's _NET_WM_NAME
    int xBellPercent = 50;      // X11: the bell's volume; "xset b off" makes it 0
    // The desktop's switches, where they can be read.
    std::optional<bool> audibleBell;           // GNOME: org.gnome.desktop.wm.preferences audible-bell
    std::optional<bool> eventSounds;           // GNOME: org.gnome.desktop.sound event-sounds
    std::optional<bool> xsettingsEventSounds;  // X11: XSETTINGS Net/EnableEventSounds (Xfce, GNOME Flashback)
    bool soundThemeReady = false;              // the program can play the sound theme's bell
    std::optional<std::int64_t> msSinceLastBell;
};

// At most one bell per this many milliseconds: a held key repeats faster
// than a listener can count bells.
inline constexpr std::int64_t kBellGap = 100;

// The X11 window managers that play the X bell while leaving the server's
// own bell switched on: mutter (as GNOME Shell) from GNOME 43 on.
bool windowManagerPlaysBell(const std::string& windowManager);

// Qt rings the X bell on X11 and nothing on Wayland. Whether a person hears
// the X bell depends on the window manager: metacity and mutter play the
// sound theme's bell for it, xfwm4 and KWin's Xwayland play nothing, and
// the X server's own bell rarely reaches a speaker today. So the program
// leaves the bell to a window manager that plays it, and plays it itself
// where none does, never both. A switch the desktop offers for the bell or
// for event sounds that is off silences it.
BellRoute bellRoute(const BellFacts& facts);

}  // namespace marbolin
