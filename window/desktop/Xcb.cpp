// SPDX-License-Identifier: MIT
#include "Xcb.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace marbolin::xcb {

xcb_connection_t* connection()
{
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
#else
    return nullptr;
#endif
}

xcb_window_t root(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, std::uint32_t longs, std::uint8_t format)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, longs), nullptr));
    return reply && reply->format == format ? std::move(reply) : nullptr;
}

}  // namespace marbolin::xcb
