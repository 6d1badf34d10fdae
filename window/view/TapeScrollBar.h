// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QScrollBar>
#include <QStyle>

namespace marbolin {

// The tape's scroll bar. Every operation grows the tape's range and then
// moves the value back to the end, which makes a plain QScrollBar repaint
// itself and everything beneath it twice per operation, although on a long
// tape the handle has not moved by a pixel. This one waits until the
// changes of one event have settled and repaints only if what it shows has
// changed. On a 2-core machine under X that halves the cost of an operation.
class TapeScrollBar final : public QScrollBar {
    Q_OBJECT

public:
    explicit TapeScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Everything of the slider's state that the style draws.
    struct Look {
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        QStyle::State state;
        QStyle::SubControls active;
        friend bool operator==(const Look&, const Look&) = default;
    };
    Look look() const;
    void settle();

    // What the last repaint that this bar asked for will show. Recorded when
    // it is asked for, not in paintEvent(), because grab() and render() paint
    // too without touching the screen.
    Look shown_;
    bool hasShown_ = false;
    bool settling_ = false;
    SliderChange pendingChange_ = SliderValueChange;
};

}  // namespace marbolin
