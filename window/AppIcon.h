// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace marbolin {

// The alarm clock, at 16x16 and 32x32, from the window library's resources.
QIcon appIcon();

}  // namespace marbolin
