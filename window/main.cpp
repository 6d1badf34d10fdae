// SPDX-License-Identifier: MIT
#include "AppIcon.h"
#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marbolin"));
    QApplication::setApplicationVersion(QStringLiteral(MARBOLIN_VERSION));
    QApplication::setWindowIcon(marbolin::appIcon());

    marbolin::Form1 window;
    window.show();
    return QApplication::exec();
}
