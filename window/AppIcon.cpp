// SPDX-License-Identifier: MIT
#include "AppIcon.h"

namespace marbolin {

QIcon appIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/marbolin-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/marbolin-32.xpm"), QSize(32, 32));
    return icon;
}

}  // namespace marbolin
