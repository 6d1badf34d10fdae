// SPDX-License-Identifier: MIT
#include "Platform.h"

#include <QByteArray>
#include <QVersionNumber>
#include <QtGlobal>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace marbolin {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read on the main thread
    return value != nullptr ? value : "";
}

}  // namespace

// XDG_CURRENT_DESKTOP is a colon-separated list such as "ubuntu:GNOME".
bool isGnome(std::string desktop)
{
    std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string_view rest = desktop;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        if (rest.substr(0, colon) == "gnome") {
            return true;
        }
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

std::string currentDesktop()
{
    const std::string desktop = environment("XDG_CURRENT_DESKTOP");
    return desktop.empty() ? environment("XDG_SESSION_DESKTOP") : desktop;
}

std::string preferredPlatform(const Session& session)
{
    const bool userChose = !session.chosenPlatform.empty() || session.platformArgument;
    const bool gnomeOnWayland = session.type == "wayland" && isGnome(session.desktop);
    const bool xwayland = !session.x11Display.empty();
    const bool qtHasNoGnomeFrame = session.qtVersion < QT_VERSION_CHECK(6, 5, 0);
    if (!userChose && gnomeOnWayland && xwayland && qtHasNoGnomeFrame) {
        return "xcb;wayland";
    }
    return {};
}

void choosePlatform(int argc, const char* const* argv)
{
    Session session;
    session.type = environment("XDG_SESSION_TYPE");
    session.desktop = currentDesktop();
    session.chosenPlatform = environment("QT_QPA_PLATFORM");
    session.x11Display = environment("DISPLAY");
    const QVersionNumber qt = QVersionNumber::fromString(QLatin1String(qVersion()));
    session.qtVersion = QT_VERSION_CHECK(qt.majorVersion(), qt.minorVersion(), qt.microVersion());
    // Qt reads "-platform" and "--platform" alike.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        session.platformArgument =
            session.platformArgument || argument == "-platform" || argument == "--platform";
    }
    if (const std::string platform = preferredPlatform(session); !platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    }
}

}  // namespace marbolin
