// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace marbolin {

// Hands short texts to a screen reader without moving the keyboard focus.
//
// Qt has no announcement call, but Orca speaks the name of a widget with the
// Notification role each time it appears. So the announcer keeps such a
// widget, 0x0 and never painted, renames it and shows it again. It sits in
// a status bar inside a tooltip: that keeps Orca from saying "notification"
// and the window's title before every text.
class Announcer final : public QObject {
public:
    explicit Announcer(QWidget* window);

    // Spoken at once while the window is active. Otherwise, as when a
    // message box has just closed, the newest text waits until the window is
    // active again: the screen reader's own speech for the returning focus
    // would cut it off.
    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void speak(const QString& text);

    QWidget* window_ = nullptr;
    QWidget* notification_ = nullptr;
    QString pending_;
};

}  // namespace marbolin
