// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard/LatinLetters.h"

#include <QtGlobal>

#include <functional>
#include <optional>

class QKeyEvent;

namespace marbolin {

// Qt reports a Mac's Command key as Control and its Control key as Meta.
// "Ctrl+C" means the key labelled Control on either keyboard; Command
// shortcuts stay the system's (Command+C copies from the tape).
enum class Keyboard { Pc, Mac };
#ifdef Q_OS_MACOS
inline constexpr Keyboard kThisKeyboard = Keyboard::Mac;
#else
inline constexpr Keyboard kThisKeyboard = Keyboard::Pc;
#endif

// The Latin letter on the key with this native key code, lower case
// (LatinLetters).
using LatinLetterOn = std::function<std::optional<char16_t>(quint32 keyCode)>;

// The character code a key press types, or nothing for keys that type no
// character (arrows, function keys, Delete, Command shortcuts), for Tab and
// Shift+Tab, which move the focus, and for Enter, which belongs to the
// default button. Control+letter gives the control code (Ctrl+C is 3) on
// every platform; Control with any other key gives nothing.
//
// The keyboard's own characters are read as what they mean: a decimal
// digit of any script is that digit, the fullwidth signs and C and the
// minus sign are the plain ones, and a letter of another script than Latin
// is the Latin letter on its key, where there is one (so the key that
// carries C clears under every layout). Latin letters are what they are.
std::optional<char16_t> characterCode(const QKeyEvent& event, Keyboard keyboard = kThisKeyboard,
                                      const LatinLetterOn& latinLetter = latinLetterOn);

}  // namespace marbolin
