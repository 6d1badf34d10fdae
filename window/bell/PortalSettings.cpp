// SPDX-License-Identifier: MIT
#include "PortalSettings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <array>

namespace marbolin {

namespace {

constexpr QLatin1String kService("org.freedesktop.portal.Desktop");
constexpr QLatin1String kPath("/org/freedesktop/portal/desktop");
constexpr QLatin1String kInterface("org.freedesktop.portal.Settings");
constexpr QLatin1String kWindowManager("org.gnome.desktop.wm.preferences");
constexpr QLatin1String kSound("org.gnome.desktop.sound");

struct Key {
    QLatin1String group;
    QLatin1String key;
};
constexpr std::array<Key, 3> kKeys{{{kWindowManager, QLatin1String("audible-bell")},
                                    {kSound, QLatin1String("event-sounds")},
                                    {kSound, QLatin1String("theme-name")}}};

// The portal wraps a value in one variant or, before version 2, two.
QVariant unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = qvariant_cast<QDBusVariant>(value).variant();
    }
    return value;
}

}  // namespace

void PortalSettings::read()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    for (const Key& key : kKeys) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
        call << QString(key.group) << QString(key.key);
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, key](QDBusPendingCallWatcher* done) {
                    const QDBusPendingReply<QDBusVariant> reply = *done;
                    if (!reply.isError()) {
                        take(key.group, key.key, reply.value().variant());
                    }
                    done->deleteLater();
                });
    }
}

void PortalSettings::settingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    take(group, key, value.variant());
}

void PortalSettings::take(const QString& group, const QString& key, const QVariant& value)
{
    const QVariant plain = unwrapped(value);
    if (group == kWindowManager && key == QLatin1String("audible-bell") &&
        plain.typeId() == QMetaType::Bool) {
        audibleBell_ = plain.toBool();
    } else if (group == kSound && key == QLatin1String("event-sounds") && plain.typeId() == QMetaType::Bool) {
        eventSounds_ = plain.toBool();
    } else if (group == kSound && key == QLatin1String("theme-name") &&
               plain.typeId() == QMetaType::QString && plain.toString() != soundTheme_) {
        soundTheme_ = plain.toString();
        emit soundThemeChanged();
    }
}

}  // namespace marbolin
