// SPDX-License-Identifier: MIT
#include "Form1.h"
#include "Platform.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    marbolin::choosePlatform(argc, argv);
    QApplication app(argc, argv);
    marbolin::setUpApplication();

    marbolin::Form1 window;
    window.show();
    return QApplication::exec();
}
