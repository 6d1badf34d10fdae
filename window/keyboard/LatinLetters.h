// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <optional>

struct xkb_keymap;

namespace marbolin {

// The Latin letter on a key that types a letter of another script: the
// letter the keyboard's own Latin layout has there, where the keymap has
// one, else the letter a US keyboard has in that place. So the key that
// carries C clears under a Cyrillic, Greek, Hebrew, Arabic or Persian layout,
// as Qt already lets Ctrl+C clear everything there.
//
// Keys are XKB key codes, as Qt gives them on X11 and on Wayland
// (QKeyEvent::nativeScanCode). The keymap is read from the X server each
// time, which takes well under a millisecond, so it is never out of date;
// on Wayland, where the compositor hands the keymap to Qt alone, the place
// on a US keyboard decides. Elsewhere there is no answer.
//
// Lower case; the caller gives it the case of the letter typed.
std::optional<char16_t> latinLetterOn(quint32 keyCode);

// The letter a US keyboard has on the key, for the evdev key codes that
// X11 and Wayland use; nothing for a key without a letter.
std::optional<char16_t> usLetterAt(quint32 keyCode);

// What the keymap's own Latin layout has on the key without Shift: its
// first layout, in its own order, with letters a to z where a US keyboard
// has its letters.
struct LatinLayout {
    bool found = false;
    std::optional<char16_t> letter;  // nothing where that layout has no letter a to z on the key
};
LatinLayout latinLetterIn(xkb_keymap* keymap, quint32 keyCode);

}  // namespace marbolin
