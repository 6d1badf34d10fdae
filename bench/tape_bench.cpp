// SPDX-License-Identifier: MIT
// Time per operation through the real window while the tape holds 1,000,
// 10,000 or 100,000 operations. "painted" shows the window and lets it
// repaint after every operation; "document" keeps it hidden.
//
//   tape_bench [painted|document] [sizes...]
#include "Form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void press(QWidget* target, char16_t code)
{
    const QString text(QChar{code});
    QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

// One operation as a user types it: a digit, then '+'.
void operation(QWidget* target, bool painted)
{
    press(target, u'7');
    press(target, u'+');
    if (painted) {
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool painted = argc < 2 || std::strcmp(argv[1], "document") != 0;
    std::vector<long> sizes;
    for (int i = 2; i < argc; ++i) {
        sizes.push_back(std::atol(argv[i]));
    }
    if (sizes.empty()) {
        sizes = {1000, 10000, 100000};
    }
    constexpr int kMeasured = 1000;

    std::printf("mode %s, platform %s\n", painted ? "painted" : "document",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%10s %12s %12s %12s\n", "on tape", "median ms", "p99 ms", "max ms");
    for (const long size : sizes) {
        marbolin::Form1 form;
        if (painted) {
            form.show();
            QApplication::processEvents();
        }
        auto* plus = form.findChild<QPushButton*>(QStringLiteral("CommandPlus0"));
        for (long i = 0; i < size; ++i) {
            operation(plus, false);
        }
        QApplication::processEvents();

        std::vector<double> ms;
        ms.reserve(kMeasured);
        for (int i = 0; i < kMeasured; ++i) {
            const auto start = std::chrono::steady_clock::now();
            operation(plus, painted);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            ms.push_back(took.count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%10ld %12.4f %12.4f %12.4f\n", size, ms[ms.size() / 2], ms[ms.size() * 99 / 100],
                    ms.back());
    }
    return 0;
}
