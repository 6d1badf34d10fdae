// SPDX-License-Identifier: MIT
#pragma once

namespace marbolin {

// Gives screen readers the window's own interfaces for the display and the
// tape, found by their object names; every other control keeps Qt's. The
// two widgets must be named before they join the window, since Qt keeps the
// first interface it makes for a widget.
//
// The display is read as "Time 00:13:00": its accessible name ("Time")
// followed by the time it shows. So the name is always current, while the
// screen reader is told of a change only when the window says so, once per
// announcement, not once per key.
void installWindowInterfaces();

}  // namespace marbolin
