// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>

class QWidget;

namespace marbolin {

// The frame that the window manager will put around a top-level window that
// has not been shown yet, so that the whole frame can be placed at once.
// Asked of the window manager on X11 (_NET_REQUEST_FRAME_EXTENTS); zero
// where it cannot tell, as without a window manager, on Wayland, where the
// compositor places windows, or elsewhere.
QMargins expectedFrame(QWidget& window);

}  // namespace marbolin
