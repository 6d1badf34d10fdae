// SPDX-License-Identifier: MIT
#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace marbolin {

namespace {

constexpr QLatin1String kTip("AnnouncerTip");
constexpr QLatin1String kBar("AnnouncerBar");
constexpr QLatin1String kNotification("Announcement");

QAccessible::Role roleFor(const QObject* object)
{
    const QString name = object->objectName();
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
    // Installing the same factory again is a no-op, so every window may.
    QAccessible::installFactory(&announcerInterface);
    notification_ = hiddenChild(hiddenChild(hiddenChild(window, kTip), kBar), kNotification);
    notification_->hide();
    window_->installEventFilter(this);
}

void Announcer::announce(const QString& text)
{
    // Without a screen reader there is nobody to tell: no events, no cost.
    if (!QAccessible::isActive()) {
        return;
    }
    if (window_->isActiveWindow()) {
        pending_.clear();
        speak(text);
    } else {
        pending_ = text;
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::ActivationChange && window_->isActiveWindow() &&
        !pending_.isEmpty()) {
        // Queued, so that it follows the focus that the activation brings.
        QMetaObject::invokeMethod(
            this, [this, text = std::exchange(pending_, QString())] { speak(text); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::speak(const QString& text)
{
    // Renamed while hidden, so that only its appearance is an event a
    // screen reader speaks.
    notification_->hide();
    notification_->setAccessibleName(text);
    notification_->show();
}

}  // namespace marbolin
