// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QDBusVariant;
class QVariant;

namespace marbolin {

// GNOME's switches for the bell and for event sounds, and its sound theme,
// as the XDG desktop portal offers them over D-Bus, on Wayland and X11
// alike and without linking GTK. They are read without blocking and
// followed as the user changes them; until the portal has answered, and
// where there is no portal or no GNOME, they are unknown.
class PortalSettings final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void read();

    std::optional<bool> audibleBell() const { return audibleBell_; }
    std::optional<bool> eventSounds() const { return eventSounds_; }
    const QString& soundTheme() const { return soundTheme_; }

signals:
    void soundThemeChanged();

private slots:
    // Old-style slot: D-Bus signals connect by name.
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void take(const QString& group, const QString& key, const QVariant& value);

    std::optional<bool> audibleBell_;
    std::optional<bool> eventSounds_;
    QString soundTheme_;
};

}  // namespace marbolin
