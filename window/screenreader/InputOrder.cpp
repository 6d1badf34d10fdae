// SPDX-License-Identifier: MIT
#include "InputOrder.h"

#include "screenreader/Application.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <utility>

namespace marbolin {

namespace {

constexpr std::uint64_t kAll = std::numeric_limits<std::uint64_t>::max();

bool isKey(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::KeyRelease;
}

bool isClick(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
}

// What the pointer does between clicks: held behind a held click, so that
// a button does not see the pointer leave before it is pressed.
bool isPointerTrail(QEvent::Type type)
{
    return type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::Leave;
}

bool isMouse(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

}  // namespace

InputOrder::InputOrder(QWidget& window) : widget_(window)
{
    clock_.start();
    connect(&late_, &LateAnswers::answered, this, [this] {
        const qint64 now = clock_.elapsed();
        reader_.lateAnswer(now);
        emit readerBehind(reader_.doneAt() - now);
    });
    check_.setSingleShot(true);
    connect(&check_, &QTimer::timeout, this, &InputOrder::flushThenCheck);
    // The native window may be made later, or made anew.
    widget_.installEventFilter(this);
    watch(widget_.windowHandle());
    if (auto* application = dynamic_cast<Application*>(QCoreApplication::instance())) {
        application->setInputOrder(this);
    }
}

InputOrder::~InputOrder() = default;

void InputOrder::watch(QWindow* window)
{
    if (window != nullptr && window != window_) {
        window->installEventFilter(this);
        window_ = window;
    }
}

bool InputOrder::firstLook(QObject* receiver, QEvent* event)
{
    // Only what the window system delivers: held events come back through
    // sendEvent(), which is never spontaneous.
    if (receiver != window_ || window_ == nullptr || !event->spontaneous()) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (isKey(type)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const qint64 now = clock_.elapsed();
        waiting_.push_back({++noted_, now, type == QEvent::KeyPress, key.key(), key.nativeScanCode(),
                            key.nativeModifiers()});
        reader_.noted(noted_, now);
        // Qt connects to the accessibility bus once a screen reader is there.
        if (!listening_ && (listening_ = late_.listen())) {
            reader_.hearLateAnswers();
        }
        emit readerBehind(reader_.doneAt() - now);
        return false;
    }
    const bool keysAhead = !waiting_.empty() || !held_.empty();
    if ((isClick(type) && keysAhead) || (isPointerTrail(type) && !held_.empty())) {
        hold(*event);
        armCheck();
        return true;
    }
    return false;
}

void InputOrder::hold(const QEvent& event)
{
    Held held{noted_, std::unique_ptr<QEvent>(event.clone()), {}, {}, {}};
    if (event.isSinglePointEvent()) {
        const auto& pointer = static_cast<const QSinglePointEvent&>(event);
        held.position = pointer.position();
        held.scenePosition = pointer.scenePosition();
        held.globalPosition = pointer.globalPosition();
    }
    held_.push_back(std::move(held));
}

// Qt's pointer events share their point with the pointing device's live
// state, which the next pointer event overwrites: a held copy of a click
// would say the pointer was wherever it went next (off the window, once it
// has left), and a button released there does not click. So a held event
// gets a point made afresh, from the positions it came with, just before it
// is sent; the window reads it before it makes any pointer event of its own.
void InputOrder::resend(Held& held)
{
    QEvent& event = *held.event;
    if (isMouse(event.type())) {
        auto& mouse = static_cast<QMouseEvent&>(event);
        const QMouseEvent fresh(mouse.type(), held.position, held.scenePosition, held.globalPosition,
                                mouse.button(), mouse.buttons(), mouse.modifiers(), mouse.pointingDevice());
        mouse.point(0) = fresh.points().front();
    } else if (event.type() == QEvent::Wheel) {
        auto& wheel = static_cast<QWheelEvent&>(event);
        const QWheelEvent fresh(held.position, held.globalPosition, wheel.pixelDelta(), wheel.angleDelta(),
                                wheel.buttons(), wheel.modifiers(), wheel.phase(), wheel.inverted(),
                                wheel.source(), wheel.pointingDevice());
        wheel.point(0) = fresh.points().front();
    } else if (event.type() == QEvent::Enter) {
        auto& enter = static_cast<QEnterEvent&>(event);
        const QEnterEvent fresh(held.position, held.scenePosition, held.globalPosition,
                                enter.pointingDevice());
        enter.point(0) = fresh.points().front();
    }
    if (event.isPointerEvent()) {
        // The event's time goes to its new point as well.
        auto& pointer = static_cast<QPointerEvent&>(event);
        pointer.setTimestamp(pointer.timestamp());
    }
    QCoreApplication::sendEvent(window_, &event);
}

bool InputOrder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &widget_) {
        if (event->type() == QEvent::WinIdChange) {
            watch(widget_.windowHandle());
        }
        return false;
    }
    if (watched != window_ || !isKey(event->type())) {
        return false;
    }
    const std::uint64_t number = delivered(static_cast<const QKeyEvent&>(*event));
    if (number == 0) {
        return false;
    }
    // Clicks that came before this key, and waited only for keys the screen
    // reader kept, go first; then the key; then, once it has been handled,
    // the clicks that waited for it: a button acts on the release of Space,
    // after this filter. They follow through the event queue, so a box the
    // key opened is there to block them, as it would have had they not
    // waited.
    releaseDue(number);
    if (!held_.empty()) {
        QMetaObject::invokeMethod(
            this, [this] { releaseDue(kAll); }, Qt::QueuedConnection);
    }
    return false;
}

// Drops the noted key events up to this one (those before it were kept by
// the screen reader), tells the reader's pace of it, and returns its
// number; 0 for one that was never noted.
std::uint64_t InputOrder::delivered(const QKeyEvent& key)
{
    const bool press = key.type() == QEvent::KeyPress;
    const auto match = std::find_if(waiting_.begin(), waiting_.end(), [&key, press](const Key& noted) {
        return noted.press == press && noted.key == key.key() && noted.scanCode == key.nativeScanCode() &&
               noted.nativeModifiers == key.nativeModifiers();
    });
    if (match == waiting_.end()) {
        return 0;
    }
    const std::uint64_t number = match->number;
    const qint64 now = clock_.elapsed();
    reader_.delivered(number, match->notedAt, now);
    waiting_.erase(waiting_.begin(), match + 1);
    emit readerBehind(reader_.doneAt() - now);
    return number;
}

// Sends, in order, the held events that came before key event number
// `before` and wait for no key event any more.
void InputOrder::releaseDue(std::uint64_t before)
{
    while (!held_.empty() && held_.front().after < before &&
           (waiting_.empty() || waiting_.front().number > held_.front().after)) {
        Held held = std::move(held_.front());
        held_.pop_front();
        if (window_ != nullptr) {
            resend(held);
        }
    }
    if (held_.empty()) {
        check_.stop();
    }
}

// Looks again once Qt has decided the oldest key event the first held click
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

// Every key event noted before `notedBefore` has been decided by Qt; the
// event loop has delivered whatever Qt posted for them, and the rest were
// kept by the screen reader. Two turns of the queue: Qt posts the key from a
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
