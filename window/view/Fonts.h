// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

namespace marbolin {

// The font of the display and the tape: Courier New at 9.75 pt, or a face
// that keeps its property that matters here, every character as wide as
// every other, so that the colons of the tape stand in one column.
QFont tapeFont();

// The desktop's font, made smaller where that is needed for every caption
// to keep 2 px clear on each side of its 25x25 button (one more pixel is
// kept for antialiasing); never larger than the desktop's.
QFont captionFont(QFont font, const QStringList& captions);

}  // namespace marbolin
