// SPDX-License-Identifier: MIT
#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace marbolin {

namespace {

constexpr QLatin1String kTip("AnnouncerTip");
constexpr QLatin1String kBar("AnnouncerBar");
constexpr QLatin1String kNotification("Announcement");
constexpr QLatin1String kLabel("AnnouncementText");

QAccessible::Role roleFor(const QObject* object)
{
    const QString name = object->objectName();
    if (name == kLabel) {
        return QAccessible::StaticText;
    }
    if (name == kNotification) {
        return QAccessible::Notification;
    }
    if (name == kBar) {
        return QAccessible::StatusBar;
    }
    if (name == kTip) {
        return QAccessible::ToolTip;
    }
    return QAccessible::NoRole;
}

QAccessibleInterface* announcerInterface(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QAccessible::Role role = widget != nullptr ? roleFor(widget) : QAccessible::NoRole;
    return role != QAccessible::NoRole ? new QAccessibleWidget(widget, role) : nullptr;
}

// Qt keeps the first accessible interface it makes for a widget, so the
// widget is named before it joins the window, where a screen reader may
// ask for it.
QWidget* hiddenChild(QWidget* parent, QLatin1String name)
{
    auto* widget = new QWidget;
    widget->setObjectName(name);
    widget->setParent(parent);
    widget->setGeometry(0, 0, 0, 0);
    if (QAccessible::isActive()) {
        // Should one have been made all the same, it is dropped, and the
        // next question gets the right role.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
            made != nullptr && made->role() != roleFor(widget)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
    return widget;
}

}  // namespace

Announcer::Announcer(QWidget* window) : window_(window)
{
    if constexpr (!kQtAnnounces) {
        // Installing the same factory again is a no-op, so every window may.
        QAccessible::installFactory(&announcerInterface);
        notification_ = hiddenChild(hiddenChild(hiddenChild(window, kTip), kBar), kNotification);
        // Hidden for good: a label that showed would be read again as part
        // of the window whenever the focus comes back to it.
        label_ = hiddenChild(notification_, kLabel);
        label_->hide();
    }
    window_->installEventFilter(this);
    pause_.setSingleShot(true);
    pause_.setInterval(kBurstGap);
    connect(&pause_, &QTimer::timeout, this, &Announcer::deliver);
    clock_.start();
    readerDone_.setSingleShot(true);
    connect(&readerDone_, &QTimer::timeout, this, &Announcer::deliver);
}

void Announcer::announce(const QString& text)
{
    // Without a screen reader there is nobody to tell: no events, no cost.
    if (!QAccessible::isActive()) {
        return;
    }
    const bool burst = sinceLast_.isValid() && sinceLast_.elapsed() < kBurstGap;
    sinceLast_.start();
    waiting_ = text;
    if (readerDoneAt_ - clock_.elapsed() > kLag || readerDone_.isActive()) {
        waitForReader();
        return;
    }
    if (burst) {
        pause_.start();
        return;
    }
    pause_.stop();
    deliver();
}

void Announcer::readerBehind(qint64 ms)
{
    readerDoneAt_ = clock_.elapsed() + ms;
    if (readerDone_.isActive()) {
        waitForReader();
    }
}

void Announcer::waitForReader()
{
    pause_.stop();
    readerDone_.start(static_cast<int>(std::max<qint64>(readerDoneAt_ - clock_.elapsed(), 0) + kSettle));
}

void Announcer::deliver()
{
    if (window_->isActiveWindow() && !waiting_.isEmpty()) {
        speak(std::exchange(waiting_, QString()));
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::ActivationChange && window_->isActiveWindow() &&
        !waiting_.isEmpty() && !pause_.isActive() && !readerDone_.isActive()) {
        // Queued, so that it follows the focus that the activation brings.
        QMetaObject::invokeMethod(this, &Announcer::deliver, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::speak(const QString& text)
{
    if (follower_ != nullptr) {
        QAccessibleEvent renamed(follower_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Polite: after what the screen reader is saying, as the notification's
    // words come after its echo of the key.
    QAccessibleAnnouncementEvent announcement(window_, text);
    QAccessible::updateAccessibility(&announcement);
#else
    label_->setAccessibleName(text);
    // Only the notification's appearance is an event a screen reader speaks.
    // It stays shown, 0x0, and is said to appear again: hiding it first
    // would be one more event, which a screen reader only has to discard.
    QAccessibleEvent shown(notification_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace marbolin
