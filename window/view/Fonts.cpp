// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>

namespace marbolin {

namespace {

// True when every character the display and the tape show is as wide as
// every other.
bool linesUp(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QLatin1Char('0'));
    for (const QChar c : QStringLiteral("0123456789:=+- iM")) {
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), width)) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Courier New first, then its metric-compatible stand-ins, which keep its
// widths, then the system's monospace face. Fontconfig does not tag every
// monospaced face as such, so where all of these end in a proportional
// face, the first installed family whose characters measure alike is used.
QFont tapeFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Cousine"), QStringLiteral("Nimbus Mono PS"),
                      QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9.75);
    if (linesUp(font)) {
        return font;
    }
    for (const QString& family : QFontDatabase::families()) {
        QFont candidate = font;
        candidate.setFamilies({family});
        if (QFontInfo(candidate).family() == family && linesUp(candidate)) {
            // Asked for by name, so the window still names Courier New first.
            font.setFamilies({QStringLiteral("Courier New"), family});
            return font;
        }
    }
    return font;
}

QFont captionFont(QFont font, const QStringList& captions)
{
    constexpr qreal kInk = 25 - 2 * 2 - 1;
    auto fits = [&captions](const QFont& candidate) {
        const QFontMetricsF metrics(candidate);
        return std::all_of(captions.begin(), captions.end(), [&metrics](const QString& caption) {
            const QRectF ink = metrics.tightBoundingRect(caption);
            return ink.width() <= kInk && ink.height() <= kInk;
        });
    };
    const bool inPoints = font.pointSizeF() > 0;
    for (qreal size = inPoints ? font.pointSizeF() : font.pixelSize(); !fits(font) && size > 4;) {
        size -= inPoints ? 0.5 : 1;
        if (inPoints) {
            font.setPointSizeF(size);
        } else {
            font.setPixelSize(int(size));
        }
    }
    return font;
}

}  // namespace marbolin
