// SPDX-License-Identifier: MIT
#include "FocusRing.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace marbolin {

namespace {

constexpr int kWidth = 2;

double luminance(const QColor& colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The palette's Highlight, unless it would hardly stand out from the
// window's background (as Qt's default dark blue on a black or dark grey
// window); then the window's text colour, which always does.
QColor ringColour(const QPalette& palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor window = palette.color(QPalette::Window);
    return contrast(highlight, window) >= 3.0 ? highlight : palette.color(QPalette::WindowText);
}

}  // namespace

FocusRing::FocusRing(QWidget* target) : target_(target)
{
    target_->installEventFilter(this);
    target_->parentWidget()->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* parent = target_->parentWidget();
    const QRect ring = target_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth);
    if (watched == target_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        parent->update(ring);
    } else if (watched == parent && event->type() == QEvent::Paint && target_->hasFocus()) {
        // The parent's background is already painted and the parent paints
        // nothing else there, so the ring can go on before the children.
        QPainter painter(parent);
        const QColor colour = ringColour(parent->palette());
        const QRect inner = target_->geometry();
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), kWidth), colour);
        painter.fillRect(QRect(ring.left(), inner.bottom() + 1, ring.width(), kWidth), colour);
        painter.fillRect(QRect(ring.left(), inner.top(), kWidth, inner.height()), colour);
        painter.fillRect(QRect(inner.right() + 1, inner.top(), kWidth, inner.height()), colour);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace marbolin
