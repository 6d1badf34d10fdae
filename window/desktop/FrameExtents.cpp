// SPDX-License-Identifier: MIT
#include "FrameExtents.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#if defined(MARBOLIN_HAVE_XCB)
#include "Xcb.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#endif

namespace marbolin {

namespace {

void place(QWidget& window, const QMargins& frame)
{
    // Asking for the frame may have made the native window already, and
    // from then on move() would place the client area, not the frame; so
    // the client area is placed where it sits inside the centred frame,
    // which holds either way.
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size().grownBy(frame),
                                               screen->availableGeometry())
                               .marginsRemoved(frame));
    }
}

#if defined(MARBOLIN_HAVE_XCB)

// Left, right, top and bottom in device pixels, as the window manager sets
// them, in the window's own pixels.
QMargins scaled(const xcb::Reply<xcb_get_property_reply_t>& extents, const QWidget& window)
{
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
    const qreal ratio = window.devicePixelRatioF();
    auto to = [ratio](std::uint32_t pixels) { return int(std::lround(pixels / ratio)); };
    return {to(sides[0]), to(sides[2]), to(sides[1]), to(sides[3])};
}

bool complete(const xcb::Reply<xcb_get_property_reply_t>& extents)
{
    return extents && xcb_get_property_value_length(extents.get()) >= 16;
}

// Places the window again as soon as the window manager has framed it and
// said how (_NET_FRAME_EXTENTS). That happens while the window is being
// mapped, before its first frame is drawn, so the user does not see it
// move. Ends itself after that, or after a while if nothing comes.
class LateFrame final : public QObject, public QAbstractNativeEventFilter {
public:
    LateFrame(QWidget& window, xcb_atom_t extents) : QObject(&window), window_(window), extents_(extents)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
        QTimer::singleShot(std::chrono::seconds(2), this, &QObject::deleteLater);
    }
    ~LateFrame() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    LateFrame(const LateFrame&) = delete;
    LateFrame& operator=(const LateFrame&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) override
    {
        if (done_ || eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
            return false;
        }
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (change->atom != extents_ || change->state != XCB_PROPERTY_NEW_VALUE ||
            change->window != static_cast<xcb_window_t>(window_.winId())) {
            return false;
        }
        if (const auto frame =
                xcb::property(xcb::connection(), change->window, extents_, XCB_ATOM_CARDINAL, 4);
            complete(frame)) {
            done_ = true;
            place(window_, scaled(frame, window_));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    xcb_atom_t extents_ = XCB_ATOM_NONE;
    bool done_ = false;
};

// Nothing off X11 or without a window manager. Otherwise the frame the
// window manager says it will draw, or nothing if it cannot say in advance,
// in which case the window is placed again once it is framed.
std::optional<QMargins> askWindowManager(QWidget& window)
{
    xcb_connection_t* connection = xcb::connection();
    if (connection == nullptr) {
        return QMargins();
    }
    const xcb_window_t root = xcb::root(connection);
    const auto [supported, request, extents, check] =
        xcb::atoms<4>(connection, {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS",
                                   "_NET_SUPPORTING_WM_CHECK"});
    if (!xcb::property(connection, root, check, XCB_ATOM_WINDOW, 1)) {
        return QMargins();  // no window manager: no frame
    }
    const auto list = xcb::property(connection, root, supported, XCB_ATOM_ATOM, 4096);
    const auto* first = list ? static_cast<const xcb_atom_t*>(xcb_get_property_value(list.get())) : nullptr;
    const auto* last = first != nullptr ? first + xcb_get_property_value_length(list.get()) / 4 : nullptr;
    if (first == nullptr || std::find(first, last, request) == last) {
        new LateFrame(window, extents);
        return std::nullopt;
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
    // most this, and the window is placed again once it is framed.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    xcb::Reply<xcb_get_property_reply_t> frame;
    while (!complete(frame = xcb::property(connection, id, extents, XCB_ATOM_CARDINAL, 4))) {
        if (std::chrono::steady_clock::now() > deadline) {
            new LateFrame(window, extents);
            return std::nullopt;
        }
        QThread::msleep(1);
    }
    return scaled(frame, window);
}

#endif

// The frame the window will get, as far as it is known before it is shown.
QMargins expectedFrame(QWidget& window)
{
#if defined(MARBOLIN_HAVE_XCB)
    if (xcb::connection() != nullptr) {
        return askWindowManager(window).value_or(QMargins());
    }
#endif
    // Elsewhere whatever the platform knows before the window is shown,
    // such as a decoration it draws itself.
    window.winId();
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace

void centreFrame(QWidget& window)
{
    if (!window.isVisible()) {
        place(window, expectedFrame(window));
    }
}

}  // namespace marbolin
