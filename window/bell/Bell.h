// SPDX-License-Identifier: MIT
#pragma once

#include "BellRoute.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class QWidget;

namespace marbolin {

class PortalSettings;
class SoundTheme;

// The window's beep, heard wherever the desktop allows a bell: left to a
// window manager that plays the X bell, played from the desktop's sound
// theme where nobody else would (bellRoute() says which), one sound per
// beep and at most one per kBellGap. The sound is made ready once the
// window has first been painted, so that start-up does not wait for the
// sound server and the first beep is not late either.
class Bell final : public QObject {
public:
    explicit Bell(QWidget& window);
    ~Bell() override;
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;

    void ring();

    // What the platform and the desktop say of the bell now.
    BellFacts facts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare();

    QWidget& window_;
    QElapsedTimer sinceLast_;
    std::unique_ptr<SoundTheme> theme_;
    PortalSettings* portal_ = nullptr;
};

}  // namespace marbolin
