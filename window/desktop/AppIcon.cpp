// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include <QPixmap>

namespace marbolin {
namespace {
#include "icons/marbolin-16.xpm"
#include "icons/marbolin-32.xpm"
}  // namespace

QImage appIconImage(int size)
{
    return QImage(size <= 16 ? marbolin_16 : marbolin_32);
}

QIcon appIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(appIconImage(16)));
    icon.addPixmap(QPixmap::fromImage(appIconImage(32)));
    return icon;
}

}  // namespace marbolin
