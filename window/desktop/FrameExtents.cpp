// SPDX-License-Identifier: MIT
#include "FrameExtents.h"

#include <QWidget>
#include <QWindow>

#include <optional>

#if defined(MARBOLIN_HAVE_XCB)
#include <QGuiApplication>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#endif

namespace marbolin {

namespace {

#if defined(MARBOLIN_HAVE_XCB) && QT_CONFIG(xcb)

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// The atoms, asked for together so that they cost one round trip.
template <std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* connection, const std::array<std::string_view, N>& names)
{
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i) {
        cookies[i] =
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names[i].size()), names[i].data());
    }
    std::array<xcb_atom_t, N> result{};
    for (std::size_t i = 0; i < N; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        result[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return result;
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, std::uint32_t longs)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, longs), nullptr));
    return reply && reply->format == 32 ? std::move(reply) : nullptr;
}

// Nothing off X11. On X11, the frame that the window manager says it will
// draw, or none without a window manager that can say so in advance.
std::optional<QMargins> askWindowManager(QWidget& window)
{
    // The offscreen platform offers the X11 interface too, without a
    // connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto [supported, request, extents] =
        atoms<3>(connection, {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
    const auto list = property(connection, root, supported, XCB_ATOM_ATOM, 4096);
    const auto* first = list ? static_cast<const xcb_atom_t*>(xcb_get_property_value(list.get())) : nullptr;
    const auto* last = first != nullptr ? first + xcb_get_property_value_length(list.get()) / 4 : nullptr;
    if (first == nullptr || std::find(first, last, request) == last) {
        return QMargins();
    }

    // The window manager answers by setting the property on the native
    // window, which exists but is not mapped yet.
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // Normally within a few milliseconds; one that never answers costs at
    // most this.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    Reply<xcb_get_property_reply_t> frame;
    while (!(frame = property(connection, id, extents, XCB_ATOM_CARDINAL, 4)) ||
           xcb_get_property_value_length(frame.get()) < 16) {
        if (std::chrono::steady_clock::now() > deadline) {
            return QMargins();
        }
        QThread::msleep(1);
    }
    // Left, right, top, bottom, in device pixels.
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(frame.get()));
    const qreal ratio = window.devicePixelRatioF();
    auto scaled = [ratio](std::uint32_t pixels) { return int(std::lround(pixels / ratio)); };
    return QMargins(scaled(sides[0]), scaled(sides[2]), scaled(sides[1]), scaled(sides[3]));
}

#else

std::optional<QMargins> askWindowManager(QWidget& /*window*/)
{
    return std::nullopt;
}

#endif

}  // namespace

QMargins expectedFrame(QWidget& window)
{
    if (window.isVisible()) {
        return {};
    }
    if (const std::optional<QMargins> asked = askWindowManager(window)) {
        return *asked;
    }
    // Elsewhere whatever the platform knows before the window is shown,
    // such as a decoration it draws itself.
    window.winId();
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace marbolin
