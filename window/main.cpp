// SPDX-License-Identifier: MIT
#include "desktop/Platform.h"
#include "desktop/Startup.h"
#include "screenreader/Application.h"
#include "view/Form1.h"

int main(int argc, char* argv[])
{
    marbolin::choosePlatform(argc, argv);
    marbolin::Application app(argc, argv);
    const auto translations = marbolin::setUpApplication();

    marbolin::Form1 window(translations->phrases());
    window.show();
    return QApplication::exec();
}
