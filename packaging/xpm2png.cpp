// SPDX-License-Identifier: MIT
// Writes an XPM icon out as an 8-bit palette PNG, so that the installed
// hicolor icons are made from the same pixels the window uses and never
// have to be kept in step by hand.
//
//   xpm2png input.xpm output.png
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: xpm2png input.xpm output.png\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]), "XPM");
    if (icon.isNull()) {
        std::fprintf(stderr, "xpm2png: cannot read %s\n", argv[1]);
        return 1;
    }
    // An XPM has at most a few colours, so the palette keeps every pixel exact.
    const QImage indexed =
        icon.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!indexed.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "xpm2png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
