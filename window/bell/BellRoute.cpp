// SPDX-License-Identifier: MIT
#include "BellRoute.h"

namespace marbolin {

bool windowManagerPlaysBell(const std::string& windowManager)
{
    return windowManager == "GNOME Shell" || windowManager == "Mutter";
}

BellRoute bellRoute(const BellFacts& facts)
{
    if (facts.msSinceLastBell && *facts.msSinceLastBell < kBellGap) {
        return BellRoute::Silent;
    }
    using Platform = BellFacts::Platform;
    if (facts.platform == Platform::Other) {
        return BellRoute::System;  // Windows and macOS play their own beep
    }
    // That window manager honours the switches itself.
    if (facts.platform == Platform::X11 &&
        (facts.xBellTakenOver || windowManagerPlaysBell(facts.windowManager))) {
        return BellRoute::System;
    }
    const bool switchedOff = facts.audibleBell == false || facts.eventSounds == false ||
                             facts.xsettingsEventSounds == false ||
                             (facts.platform == Platform::X11 && facts.xBellPercent == 0);
    if (switchedOff) {
        return BellRoute::Silent;
    }
    return facts.soundThemeReady ? BellRoute::SoundTheme : BellRoute::System;
}

}  // namespace marbolin
