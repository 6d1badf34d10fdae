// SPDX-License-Identifier: MIT
#include "Platform.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace marbolin {

namespace {

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

std::string environment(const char* name)
{
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): before any thread
    return value != nullptr ? value : "";
}

// "6.4.2" as QT_VERSION_CHECK(6, 4, 2).
int versionNumber(const char* text)
{
    std::array<int, 3> parts{};
    for (int& part : parts) {
        if (text == nullptr || *text == '\0') {
            break;
        }
        char* end = nullptr;
        part = static_cast<int>(std::strtol(text, &end, 10));
        text = *end == '.' ? end + 1 : end;
    }
    return QT_VERSION_CHECK(parts[0], parts[1], parts[2]);
}

}  // namespace

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
    session.desktop = environment("XDG_CURRENT_DESKTOP");
    if (session.desktop.empty()) {
        session.desktop = environment("XDG_SESSION_DESKTOP");
    }
    session.chosenPlatform = environment("QT_QPA_PLATFORM");
    session.x11Display = environment("DISPLAY");
    session.qtVersion = versionNumber(qVersion());
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
