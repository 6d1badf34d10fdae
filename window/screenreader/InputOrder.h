// SPDX-License-Identifier: MIT
#pragma once

#include "screenreader/LateAnswers.h"
#include "screenreader/ReaderPace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
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
// Then Qt holds every key press and every key release until the screen
// reader has answered whether it keeps the key for itself (one of its own
// commands), and posts it again if not; clicks are not held. A click on "+"
// right after a digit could add before the digit arrived, and a click on the
// tape right after Space on a button would take the focus from the button
// before the release that makes the button act. So every key event is noted
// as the window is told of it, before anything else has seen it (see
// Application), and again as it is delivered; a click, a double click, a
// wheel turn, and the pointer's moves, entries and exits between them, wait
// until the key events noted before them have been delivered, or dropped
// because the screen reader kept them.
//
// The sign that tells the two apart comes from Qt: its bridge waits for
// the screen reader's answer for kBridgeTimeout at most (the timeout of its
// D-Bus call, counted on Qt's D-Bus thread, which a busy window does not
// delay) and then posts the key anyway. So however flooded the screen
// reader, a key noted longer ago than that has been posted, or dropped.
// Once every event already posted has been delivered, a key that still has
// not come was kept by the screen reader. A click behind such a key waits
// kSettled at most; behind a key that merely comes late it waits for that
// key, however long the window took to get there.
class InputOrder final : public QObject {
    Q_OBJECT

public:
    explicit InputOrder(QWidget& window);
    ~InputOrder() override;

    // Qt 6's accessibility bridge (QSpiApplicationAdaptor) waits this long
    // for the screen reader's answer to a key; kSettled adds the time its
    // D-Bus thread may take to post what it decided.
    static constexpr int kBridgeTimeout = int(ReaderPace::kBridgeTimeout);  // ms
    static constexpr int kSettled = kBridgeTimeout + 50;

    // Every event, before anything else sees it; true where the event is
    // held back, to be sent again in its turn.
    bool firstLook(QObject* receiver, QEvent* event);

signals:
    // The screen reader will have read every key typed so far in `ms`, as
    // far as its answers tell (ReaderPace). Sent as each key event reaches
    // the window and as each is answered.
    void readerBehind(qint64 ms);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        std::uint64_t number = 0;
        qint64 notedAt = 0;  // ms on clock_
        bool press = true;
        int key = 0;
        quint32 scanCode = 0;
        // Not modifiers(): for Shift and the other modifier keys it turns the
        // key's own bit over, and a copy made from it turns it back.
        quint32 nativeModifiers = 0;
    };
    struct Held {
        std::uint64_t after = 0;  // the number of the last key event noted before it
        std::unique_ptr<QEvent> event;
        // Where the pointer was, read as the event came (see resend()).
        QPointF position;
        QPointF scenePosition;
        QPointF globalPosition;
    };

    void watch(QWindow* window);
    void hold(const QEvent& event);
    void resend(Held& held);
    std::uint64_t delivered(const QKeyEvent& key);
    void releaseDue(std::uint64_t before);
    void armCheck();
    void flushThenCheck();
    void dropKept(qint64 notedBefore);

    QWidget& widget_;
    QPointer<QWindow> window_;
    QElapsedTimer clock_;
    ReaderPace reader_;
    LateAnswers late_;
    bool listening_ = false;
    std::deque<Key> waiting_;  // noted, not yet delivered, oldest first
    std::uint64_t noted_ = 0;
    std::deque<Held> held_;
    QTimer check_;
};

}  // namespace marbolin
