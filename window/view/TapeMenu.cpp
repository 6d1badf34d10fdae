// SPDX-License-Identifier: MIT
#include "TapeMenu.h"

#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>

#include <memory>

namespace marbolin {

void showTapeMenu(QPlainTextEdit& tape, const QPoint& at)
{
    const std::unique_ptr<QMenu> menu(tape.createStandardContextMenu(at));
    menu->setLayoutDirection(QGuiApplication::layoutDirection());
    menu->exec(tape.viewport()->mapToGlobal(at));
}

}  // namespace marbolin
