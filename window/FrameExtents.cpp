// SPDX-License-Identifier: MIT
#include "FrameExtents.h"

#include <QWidget>
#include <QWindow>

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

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a property, or none.
template <std::size_t N>
bool readCardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                   std::array<std::uint32_t, N>& values)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, N), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < int(N * 4)) {
        return false;
    }
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    std::copy(data, data + N, values.begin());
    return true;
}

bool supports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t wanted)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

QMargins askWindowManager(QWidget& window)
{
    // The offscreen platform offers the X11 interface too, without a
    // connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return {};
    }
    const auto id = static_cast<xcb_window_t>(window.winId());  // the native window, not yet mapped
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    // Without a window manager that answers, there is no frame to allow for
    // and nothing to wait for.
    if (request == XCB_ATOM_NONE || !supports(connection, tree->root, request)) {
        return {};
    }

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The window manager answers by setting the property, normally within a
    // few milliseconds; a window manager that never does costs at most this.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    std::array<std::uint32_t, 4> frame{};  // left, right, top, bottom in device pixels
    while (!readCardinals(connection, id, extents, XCB_ATOM_CARDINAL, frame)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return {};
        }
        QThread::msleep(1);
    }
    const qreal ratio = window.devicePixelRatioF();
    auto scaled = [ratio](std::uint32_t pixels) { return int(std::lround(pixels / ratio)); };
    return {scaled(frame[0]), scaled(frame[2]), scaled(frame[1]), scaled(frame[3])};
}

#else

QMargins askWindowManager(QWidget& /*window*/)
{
    return {};
}

#endif

}  // namespace

QMargins expectedFrame(QWidget& window)
{
    if (window.isVisible()) {
        return {};
    }
    if (const QMargins asked = askWindowManager(window); !asked.isNull()) {
        return asked;
    }
    // Otherwise whatever the platform knows before the window is shown:
    // nothing on X11, its own decoration elsewhere.
    window.winId();
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace marbolin
