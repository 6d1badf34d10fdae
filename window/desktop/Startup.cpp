// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "desktop/AppIcon.h"

#include <QApplication>

namespace marbolin {

std::unique_ptr<Translations> setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Marbolin"));
    QApplication::setApplicationVersion(QStringLiteral(MARBOLIN_VERSION));
    // Ties the window to its desktop entry, so docks and task bars show the
    // installed name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MARBOLIN_APP_ID));
    QApplication::setWindowIcon(appIcon());
    return std::make_unique<Translations>();
}

}  // namespace marbolin
