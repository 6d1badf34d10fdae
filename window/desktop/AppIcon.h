// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

namespace marbolin {

// The alarm clock at 16x16 or 32x32. The XPMs are compiled in and read
// straight from their arrays: going through a file or a resource would make
// QImageReader look for format plugins first, which cost more at start-up
// than reading both icons.
QImage appIconImage(int size);

// Both sizes as one icon, for the window and the application.
QIcon appIcon();

}  // namespace marbolin
