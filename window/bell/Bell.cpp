// SPDX-License-Identifier: MIT
#include "Bell.h"

#include "SoundTheme.h"
#include "XSettings.h"
#include "desktop/Platform.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#if defined(MARBOLIN_HAVE_DBUS)
#include "PortalSettings.h"
#endif

#if defined(MARBOLIN_HAVE_XCB)
#include "desktop/Xcb.h"

// xkb.h names a field "explicit", which C++ keeps for itself.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#endif

#include <string>

namespace marbolin {

namespace {

BellFacts::Platform platform()
{
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb")) {
        return BellFacts::Platform::X11;
    }
    if (name.startsWith(QLatin1String("wayland"))) {
        return BellFacts::Platform::Wayland;
    }
    return BellFacts::Platform::Other;
}

// What the X server and the X11 desktop say of the bell, asked together so
// that it costs few round trips.
struct X11Bell {
    bool takenOver = false;
    int percent = 50;
    std::string windowManager;
    XSettings settings;
};

#if defined(MARBOLIN_HAVE_XCB)

std::string text(const xcb::Reply<xcb_get_property_reply_t>& reply)
{
    return reply ? std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               static_cast<std::size_t>(xcb_get_property_value_length(reply.get())))
                 : std::string();
}

std::optional<X11Bell> readX11()
{
    xcb_connection_t* connection = xcb::connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb::root(connection);
    const auto [check, name, utf8, manager, settings] =
        xcb::atoms<5>(connection, {"_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "UTF8_STRING", "_XSETTINGS_S0",
                                   "_XSETTINGS_SETTINGS"});
    const auto controlsCookie = xcb_xkb_get_controls(connection, XCB_XKB_ID_USE_CORE_KBD);
    const auto keyboardCookie = xcb_get_keyboard_control(connection);
    const auto ownerCookie = xcb_get_selection_owner(connection, manager);

    X11Bell bell;
    const xcb::Reply<xcb_xkb_get_controls_reply_t> controls(
        xcb_xkb_get_controls_reply(connection, controlsCookie, nullptr));
    bell.takenOver = controls && (controls->enabledControls & XCB_XKB_BOOL_CTRL_AUDIBLE_BELL_MASK) == 0;
    const xcb::Reply<xcb_get_keyboard_control_reply_t> keyboard(
        xcb_get_keyboard_control_reply(connection, keyboardCookie, nullptr));
    bell.percent = keyboard ? keyboard->bell_percent : 50;
    if (const auto wm = xcb::property(connection, root, check, XCB_ATOM_WINDOW, 1)) {
        const auto window = *static_cast<const xcb_window_t*>(xcb_get_property_value(wm.get()));
        bell.windowManager = text(xcb::property(connection, window, name, utf8, 64, 8));
    }
    const xcb::Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr));
    if (owner && owner->owner != XCB_WINDOW_NONE) {
        bell.settings =
            parseXSettings(text(xcb::property(connection, owner->owner, settings, settings, 1 << 16, 8)));
    }
    return bell;
}

#else

std::optional<X11Bell> readX11()
{
    return std::nullopt;
}

#endif

template <typename T> std::optional<T> setting(const XSettings& settings, std::string_view name)
{
    const auto found = settings.find(name);
    if (found == settings.end() || !std::holds_alternative<T>(found->second)) {
        return std::nullopt;
    }
    return std::get<T>(found->second);
}

}  // namespace

Bell::Bell(QWidget& window) : window_(window), theme_(std::make_unique<SoundTheme>())
{
    window_.installEventFilter(this);
}

Bell::~Bell() = default;

bool Bell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Paint) {
        window_.removeEventFilter(this);
        QTimer::singleShot(0, this, &Bell::prepare);
    }
    return QObject::eventFilter(watched, event);
}

void Bell::prepare()
{
    if (platform() == BellFacts::Platform::Other) {
        return;  // the platform's own beep works there
    }
    std::string theme;
    if (const auto x11 = readX11()) {
        theme = setting<std::string>(x11->settings, "Net/SoundThemeName").value_or(std::string());
    }
    theme_->prepare(theme);
#if defined(MARBOLIN_HAVE_DBUS)
    // The portal is asked only for GNOME's switches, so only on GNOME,
    // where it runs already.
    if (!isGnome(currentDesktop())) {
        return;
    }
    portal_ = new PortalSettings(this);
    connect(portal_, &PortalSettings::soundThemeChanged, this,
            [this] { theme_->prepare(portal_->soundTheme().toStdString()); });
    portal_->read();
#endif
}

BellFacts Bell::facts() const
{
    BellFacts facts;
    facts.platform = platform();
    if (const auto x11 = readX11()) {
        facts.xBellTakenOver = x11->takenOver;
        facts.xBellPercent = x11->percent;
        facts.windowManager = x11->windowManager;
        if (const auto sounds = setting<std::int32_t>(x11->settings, "Net/EnableEventSounds")) {
            facts.xsettingsEventSounds = *sounds != 0;
        }
    }
#if defined(MARBOLIN_HAVE_DBUS)
    if (portal_ != nullptr) {
        facts.audibleBell = portal_->audibleBell();
        facts.eventSounds = portal_->eventSounds();
    }
#endif
    if (sinceLast_.isValid()) {
        facts.msSinceLastBell = sinceLast_.elapsed();
    }
    return facts;
}

void Bell::ring()
{
    BellFacts known = facts();
    // Asked first whether the program would play the bell itself, since
    // only then is it worth waiting a moment for the sound to be ready.
    known.soundThemeReady = true;
    BellRoute route = bellRoute(known);
    if (route == BellRoute::SoundTheme && !theme_->ready()) {
        known.soundThemeReady = false;
        route = bellRoute(known);
    }
    switch (route) {
    case BellRoute::System:
        QApplication::beep();
        break;
    case BellRoute::SoundTheme:
        if (!theme_->playBell()) {
            QApplication::beep();
        }
        break;
    case BellRoute::Silent:
        return;
    }
    sinceLast_.start();
}

}  // namespace marbolin
