// SPDX-License-Identifier: MIT
#include "LatinLetters.h"

#include <QGuiApplication>

#include <array>
#include <memory>
#include <string_view>

#if defined(MARBOLIN_HAVE_XKBCOMMON)
#include <xkbcommon/xkbcommon.h>
#endif
#if defined(MARBOLIN_HAVE_XKBCOMMON_X11)
#include "desktop/Xcb.h"

#include <xkbcommon/xkbcommon-x11.h>
#endif

namespace marbolin {

namespace {

#if defined(MARBOLIN_HAVE_XKBCOMMON)
struct Unref {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
#endif

#if defined(MARBOLIN_HAVE_XKBCOMMON_X11)
// The keymap the X server has now for the keyboard, the one that typed.
std::optional<char16_t> fromServer(xcb_connection_t* connection, quint32 keyCode)
{
    if (xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr,
                                    nullptr) == 0) {
        return std::nullopt;
    }
    const std::unique_ptr<xkb_context, Unref> context(xkb_context_new(
        static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)));
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (context == nullptr || device < 0) {
        return std::nullopt;
    }
    const std::unique_ptr<xkb_keymap, Unref> keymap(
        xkb_x11_keymap_new_from_device(context.get(), connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (keymap == nullptr) {
        return std::nullopt;
    }
    const LatinLayout latin = latinLetterIn(keymap.get(), keyCode);
    return latin.found ? latin.letter : usLetterAt(keyCode);
}
#endif

}  // namespace

std::optional<char16_t> usLetterAt(quint32 keyCode)
{
    // The three rows of letters, each from its first key code.
    struct Row {
        quint32 first;
        std::u16string_view letters;
    };
    constexpr std::array<Row, 3> rows{{{24, u"qwertyuiop"}, {38, u"asdfghjkl"}, {52, u"zxcvbnm"}}};
    for (const Row& row : rows) {
        if (keyCode >= row.first && keyCode - row.first < row.letters.size()) {
            return row.letters[keyCode - row.first];
        }
    }
    return std::nullopt;
}

LatinLayout latinLetterIn([[maybe_unused]] xkb_keymap* keymap, [[maybe_unused]] quint32 keyCode)
{
#if defined(MARBOLIN_HAVE_XKBCOMMON)
    const auto letterOn = [keymap](xkb_layout_index_t layout, quint32 key) -> std::optional<char16_t> {
        const xkb_keysym_t* symbols = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, key, layout, 0, &symbols) == 1 &&
            symbols[0] >= XKB_KEY_a && symbols[0] <= XKB_KEY_z) {
            return static_cast<char16_t>(u'a' + (symbols[0] - XKB_KEY_a));
        }
        return std::nullopt;
    };
    // A layout is Latin when most of the keys that carry letters on a US
    // keyboard carry letters a to z in it, as in Dvorak or AZERTY.
    constexpr quint32 kLetterKeys = 26;
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(keymap);
    for (xkb_layout_index_t layout = 0; layout < layouts; ++layout) {
        quint32 latin = 0;
        for (quint32 key = 0; key < 256; ++key) {
            latin += usLetterAt(key) && letterOn(layout, key) ? 1U : 0U;
        }
        if (2 * latin > kLetterKeys) {
            return {true, letterOn(layout, keyCode)};
        }
    }
#endif
    return {};
}

std::optional<char16_t> latinLetterOn(quint32 keyCode)
{
    const QString platform = QGuiApplication::platformName();
    const bool x11 = platform == u"xcb";
    if (!x11 && !platform.startsWith(u"wayland")) {
        return std::nullopt;
    }
#if defined(MARBOLIN_HAVE_XKBCOMMON_X11)
    if (xcb_connection_t* connection = x11 ? xcb::connection() : nullptr) {
        if (const auto letter = fromServer(connection, keyCode)) {
            return letter;
        }
    }
#endif
    return usLetterAt(keyCode);
}

}  // namespace marbolin
