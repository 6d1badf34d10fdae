// SPDX-License-Identifier: MIT
#pragma once

class QPlainTextEdit;
class QPoint;

namespace marbolin {

// The tape's own menu (Copy, Select All) at `at`, in the tape's viewport,
// laid out in the direction of the user's language: the window's face is
// left to right in every language, but a menu of words is not.
void showTapeMenu(QPlainTextEdit& tape, const QPoint& at);

}  // namespace marbolin
