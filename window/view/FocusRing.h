// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace marbolin {

// Draws a ring just outside a widget while it has the keyboard focus, on
// its parent's background. For the tape, whose own frame does not change
// with the focus, while "+" keeps its default-button frame, which looks
// like a focus frame. Nothing is painted per operation: the parent repaints
// the ring only when the focus comes or goes.
class FocusRing final : public QObject {
public:
    explicit FocusRing(QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* target_ = nullptr;
};

}  // namespace marbolin
