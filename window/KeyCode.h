// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QKeyEvent;

namespace marbolin {

// The character code a key press types, or nothing for keys that type no
// character (arrows, function keys, Delete), for Tab and Shift+Tab, which
// move the focus, and for Enter, which belongs to the default button.
// Ctrl+letter gives the control code (Ctrl+C is 3) on every platform.
std::optional<char16_t> characterCode(const QKeyEvent& event);

}  // namespace marbolin
