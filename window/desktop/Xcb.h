// SPDX-License-Identifier: MIT
#pragma once

// Small helpers for asking the X server directly, where Qt has no call for
// what the window needs to know. Only built where libxcb is.

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace marbolin::xcb {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }  // NOLINT(cppcoreguidelines-no-malloc)
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// Qt's own connection, or null where the program does not run on X11 (the
// offscreen platform offers the X11 interface too, without a connection).
xcb_connection_t* connection();

xcb_window_t root(xcb_connection_t* connection);

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

// A window's property of the given type and format, at most `longs` 32-bit
// units of it; null if the window has none.
Reply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, std::uint32_t longs, std::uint8_t format = 32);

}  // namespace marbolin::xcb
