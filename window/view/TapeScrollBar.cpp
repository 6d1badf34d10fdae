// SPDX-License-Identifier: MIT
#include "TapeScrollBar.h"

#include <QStyleOptionSlider>

namespace marbolin {

TapeScrollBar::TapeScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
{
}

TapeScrollBar::Look TapeScrollBar::look() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
            option.sliderValue == option.minimum, option.sliderValue == option.maximum, option.state,
            option.activeSubControls};
}

void TapeScrollBar::sliderChange(SliderChange change)
{
    // Transient scroll bars flash on every change; leave those as they are.
    if (style()->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, this) != 0) {
        QScrollBar::sliderChange(change);
        return;
    }
    pendingChange_ = change;
    if (!settling_) {
        settling_ = true;
        // A queued call at normal priority runs before the window's update
        // request, which Qt posts at low priority, so a needed repaint still
        // lands in the same frame.
        QMetaObject::invokeMethod(this, &TapeScrollBar::settle, Qt::QueuedConnection);
    }
}

void TapeScrollBar::settle()
{
    settling_ = false;
    const Look now = look();
    if (!hasShown_ || now != shown_) {
        shown_ = now;
        hasShown_ = true;
        QScrollBar::sliderChange(pendingChange_);
    }
}

// A new size or style repaints the whole bar without a slider change, so
// the next change is compared with nothing.
void TapeScrollBar::resizeEvent(QResizeEvent* event)
{
    hasShown_ = false;
    QScrollBar::resizeEvent(event);
}

void TapeScrollBar::changeEvent(QEvent* event)
{
    hasShown_ = false;
    QScrollBar::changeEvent(event);
}

}  // namespace marbolin
