// SPDX-License-Identifier: MIT
#include "InputOrder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <utility>

namespace marbolin {

namespace {

constexpr std::uint64_t kAll = std::numeric_limits<std::uint64_t>::max();

bool isClick(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
}

}  // namespace

InputOrder::InputOrder(QWidget& window) : widget_(window)
{
    clock_.start();
    check_.setSingleShot(true);
    connect(&check_, &QTimer::timeout, this, &InputOrder::flushThenCheck);
    // The native window may be made later, or made anew.
    widget_.installEventFilter(this);
    watch(widget_.windowHandle());
}

InputOrder::~InputOrder() = default;

void InputOrder::watch(QWindow* window)
{
    if (window != nullptr && window != window_) {
        window->installEventFilter(this);
        window_ = window;
    }
}

bool InputOrder::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &widget_) {
        if (type == QEvent::WinIdChange) {
            watch(widget_.windowHandle());
        }
        return false;
    }
    if (watched != window_ || replaying_) {
        return false;
    }
    if (type == QEvent::ShortcutOverride && event->spontaneous()) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        waiting_.push_back(
            {++noted_, clock_.elapsed(), key.key(), key.nativeScanCode(), int(key.modifiers())});
        emit keyNoted();
        return false;
    }
    if (type == QEvent::KeyPress) {
        const std::uint64_t number = delivered(static_cast<const QKeyEvent&>(*event));
        if (number == 0) {
            return false;
        }
        // Clicks that came before this key, and waited only for keys the
        // screen reader kept, go first; then the key; then the clicks that
        // waited for it, before any key that came after them.
        releaseDue(number);
        if (held_.empty() || held_.front().after != number) {
            return false;
        }
        replay(watched, event);
        releaseDue(kAll);
        return true;
    }
    const bool keysAhead = !waiting_.empty() || !held_.empty();
    if ((isClick(type) && keysAhead) || (type == QEvent::MouseMove && !held_.empty())) {
        held_.push_back({noted_, std::unique_ptr<QEvent>(event->clone())});
        armCheck();
        return true;
    }
    return false;
}

// Drops the noted keys up to this one (those before it were kept by the
// screen reader) and returns its number; 0 for a key that was never noted.
std::uint64_t InputOrder::delivered(const QKeyEvent& key)
{
    const auto match = std::find_if(waiting_.begin(), waiting_.end(), [&key](const Key& noted) {
        return noted.key == key.key() && noted.scanCode == key.nativeScanCode() &&
               noted.modifiers == int(key.modifiers());
    });
    if (match == waiting_.end()) {
        return 0;
    }
    const std::uint64_t number = match->number;
    waiting_.erase(waiting_.begin(), match + 1);
    return number;
}

void InputOrder::replay(QObject* receiver, QEvent* event)
{
    const bool outer = std::exchange(replaying_, true);
    QCoreApplication::sendEvent(receiver, event);
    replaying_ = outer;
}

// Sends, in order, the held events that came before key number `before` and
// wait for no key any more.
void InputOrder::releaseDue(std::uint64_t before)
{
    while (!held_.empty() && held_.front().after < before &&
           (waiting_.empty() || waiting_.front().number > held_.front().after)) {
        const Held held = std::move(held_.front());
        held_.pop_front();
        if (window_ != nullptr) {
            replay(window_, held.event.get());
        }
    }
    if (held_.empty()) {
        check_.stop();
    }
}

// Looks again once Qt has decided the oldest key the first held click
// waits for.
void InputOrder::armCheck()
{
    if (held_.empty() || waiting_.empty() || waiting_.front().number > held_.front().after ||
        check_.isActive()) {
        return;
    }
    const qint64 due = waiting_.front().notedAt + kSettled - clock_.elapsed();
    check_.start(static_cast<int>(std::max<qint64>(due, 0)));
}

// Every key noted before `notedBefore` has been decided by Qt; the event
// loop has delivered whatever Qt posted for them, and the rest were kept by
// the screen reader. Two turns of the queue: Qt posts the key from a
// callback that may be queued just before the first.
void InputOrder::flushThenCheck()
{
    const qint64 decided = clock_.elapsed() - kSettled;
    QMetaObject::invokeMethod(
        this,
        [this, decided] {
            QMetaObject::invokeMethod(
                this, [this, decided] { dropKept(decided); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void InputOrder::dropKept(qint64 notedBefore)
{
    while (!waiting_.empty() && waiting_.front().notedAt <= notedBefore) {
        waiting_.pop_front();
    }
    releaseDue(kAll);
    armCheck();
}

}  // namespace marbolin
