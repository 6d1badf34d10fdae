// SPDX-License-Identifier: MIT
#include "AppIcon.h"
#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marbolin"));
    QApplication::setApplicationVersion(QStringLiteral(MARBOLIN_VERSION));
    // Ties the window to its desktop entry, so docks and task bars show the
    // installed name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MARBOLIN_APP_ID));
    QApplication::setWindowIcon(marbolin::appIcon());

    marbolin::Form1 window;
    window.show();
    return QApplication::exec();
}
