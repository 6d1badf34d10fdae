// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <cstdint>
#include <deque>
#include <memory>

class QKeyEvent;
class QWidget;

namespace marbolin {

// Keeps the user's input in the order it was given while a screen reader
// listens.
//
// Then Qt holds every key press until the screen reader has seen it, for up
// to 100 ms or, on a busy machine, longer, and posts it again; clicks are
// not held. A click on "+" right after a digit could add before the digit
// arrived. So each key press is noted as the window is told of it (Qt
// first sends a ShortcutOverride event, which nothing holds) and again as
// it is delivered, and a click waits until the key presses noted before it
// have been delivered. A screen reader may keep a key for itself, and one
// may stop answering, so a click waits kBound at most.
class InputOrder final : public QObject {
public:
    explicit InputOrder(QWidget& window);
    ~InputOrder() override;

    static constexpr int kBound = 500;  // ms

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        std::uint64_t number = 0;
        int key = 0;
        quint32 scanCode = 0;
        int modifiers = 0;
    };
    struct Held {
        std::uint64_t after = 0;  // the number of the last key noted before it
        std::unique_ptr<QEvent> event;
    };

    void watch(QWindow* window);
    std::uint64_t delivered(const QKeyEvent& key);
    void replay(QObject* receiver, QEvent* event);
    void releaseDue(std::uint64_t before);
    void giveUp();

    QWidget& widget_;
    QPointer<QWindow> window_;
    std::deque<Key> waiting_;  // noted, not yet delivered, oldest first
    std::uint64_t noted_ = 0;
    std::deque<Held> held_;
    QTimer bound_;
    bool replaying_ = false;
};

}  // namespace marbolin
