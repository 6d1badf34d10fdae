// SPDX-License-Identifier: MIT
#include "KeyCode.h"

#include <QKeyEvent>

namespace marbolin {

std::optional<char16_t> characterCode(const QKeyEvent& event, Keyboard keyboard,
                                      const LatinLetterOn& latinLetter)
{
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (keyboard == Keyboard::Mac && modifiers.testFlag(Qt::ControlModifier)) {
        return std::nullopt;
    }
    // X11 sends "\x03" for Ctrl+C, other platforms (and Qt Test) send "c"
    // with the Control modifier; both mean the same control code. Any other
    // key with Control is a shortcut, not typing: X11 sends Ctrl+'-' as "-"
    // and Ctrl+1 as "1", and people press Ctrl+'+', Ctrl+'-' and Ctrl+0 to
    // zoom. On a PC keyboard those type nothing, so they do nothing here.
    const Qt::KeyboardModifier control = keyboard == Keyboard::Mac ? Qt::MetaModifier : Qt::ControlModifier;
    if (modifiers.testFlag(control)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return static_cast<char16_t>(key - Qt::Key_A + 1);
        }
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty() || text == QStringLiteral("\x7f")) {
        return std::nullopt;
    }
    const char32_t typed = text.toUcs4().front();
    if (QChar::isDigit(typed)) {
        // The Persian, Arabic-Indic, Devanagari, fullwidth... digits that
        // keyboards of those scripts type on their number row.
        return static_cast<char16_t>(u'0' + QChar::digitValue(typed));
    }
    switch (typed) {
    case U'\uFF0B':  // fullwidth plus
        return u'+';
    case U'\uFF0D':  // fullwidth hyphen-minus
    case U'\u2212':  // minus sign
        return u'-';
    case U'\uFF23':  // fullwidth C
        return u'C';
    case U'\uFF43':  // fullwidth c
        return u'c';
    default:
        break;
    }
    if (QChar::isLetter(typed) && QChar::script(typed) != QChar::Script_Latin) {
        if (const auto latin = latinLetter(event.nativeScanCode())) {
            return QChar::isUpper(typed) ? static_cast<char16_t>(QChar::toUpper(char32_t{*latin})) : *latin;
        }
    }
    return text.at(0).unicode();
}

}  // namespace marbolin
