// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace marbolin {

// Places a top-level window that has not been shown yet so that its whole
// frame, not only its client area, opens in the middle of its screen's
// free area.
//
// On X11 the window manager is asked for the frame it will draw
// (_NET_REQUEST_FRAME_EXTENTS). One that cannot say in advance, such as
// KWin, says so once it has framed the window; the window is then placed
// again at once, before it is first drawn. Without a window manager, and
// on Wayland, where the compositor places windows, the client area is
// centred.
void centreFrame(QWidget& window);

}  // namespace marbolin
