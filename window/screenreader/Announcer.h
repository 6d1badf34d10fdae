// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace marbolin {

// Hands short texts to a screen reader without moving the keyboard focus.
//
// Qt 6.8 and later have an announcement of their own
// (QAccessibleAnnouncementEvent), which Orca 48 speaks as the words alone
// and flashes in braille; a build with such a Qt uses it.
//
// Qt 6.4 has no announcement call, but Orca speaks a widget with the
// Notification role each time it appears. So there the announcer keeps such
// a widget, 0x0 and never painted, and says it appears again for every text.
// It sits in a status bar inside a tooltip: that keeps Orca 43 from saying
// "notification" and the window's title before every text (Orca 48 says
// "notification" all the same). The text itself is the name of a hidden
// label inside the notification, not the notification's own name: Orca
// builds its braille flash and its notification history from such labels,
// and leaves out one that repeats the notification's name.
class Announcer final : public QObject {
public:
    explicit Announcer(QWidget* window);

    // Announcements that come closer together than this are a burst (ms).
    static constexpr int kBurstGap = 80;

    // Spoken at once while the window is active and the user types at a
    // pace a listener can follow. Within a burst only the newest text is
    // kept, and spoken once the burst pauses. While the window is not
    // active, as when a message box has just closed, the newest text waits
    // until it is: the screen reader's own speech for the returning focus
    // would cut it off. So would its echo of keys typed before: see
    // readerBehind().
    void announce(const QString& text);

    // The screen reader will have read every key typed so far in `ms`
    // (InputOrder). A screen reader echoes every key, and each echo stops
    // whatever it is saying; keys typed faster than it reads them it echoes
    // after the window has handled them, and newer words would be cut off.
    // So while it is behind, the newest text waits until it has caught up,
    // and kSettle more.
    void readerBehind(qint64 ms);
    static constexpr qint64 kSettle = 300;  // ms
    // A reader this little behind reads the keys before it gets to the words.
    static constexpr qint64 kLag = 30;  // ms

    // Whether this build announces through Qt's own announcement event.
    static constexpr bool kQtAnnounces = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

    // A widget whose accessible name changes with what is announced, such as
    // the display: the screen reader is told of its change together with
    // each announcement, not at every change.
    void followName(QWidget* widget) { follower_ = widget; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver();
    void waitForReader();
    void speak(const QString& text);

    QWidget* window_ = nullptr;
    QWidget* notification_ = nullptr;  // Qt 6.4 to 6.7 only, as label_
    QWidget* label_ = nullptr;
    QWidget* follower_ = nullptr;

    QString waiting_;  // the newest text, not yet spoken
    QElapsedTimer sinceLast_;
    QTimer pause_;
    QElapsedTimer clock_;
    qint64 readerDoneAt_ = 0;  // on clock_: when a screen reader will have read every key
    QTimer readerDone_;
};

}  // namespace marbolin
