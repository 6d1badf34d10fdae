// SPDX-License-Identifier: MIT
#include "desktop/Platform.h"
#include "desktop/Startup.h"
#include "view/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    marbolin::choosePlatform(argc, argv);
    QApplication app(argc, argv);
    const auto translations = marbolin::setUpApplication();

    marbolin::Form1 window(translations->phrases());
    window.show();
    return QApplication::exec();
}
