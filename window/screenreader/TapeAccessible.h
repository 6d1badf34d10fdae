// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

#include <utility>

class QPlainTextEdit;

namespace marbolin {

// What a screen reader is given for the tape. Qt's own interface for a
// plain text edit gives every line the same height, so a screen reader's
// review read the whole tape as one line. This one places each character
// where it is drawn and ends lines at the tape's line breaks. It moves the
// caret and the selection when asked, and never edits. Nothing here runs
// unless a screen reader asks.
class TapeAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TapeAccessible(QPlainTextEdit* tape);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    using QAccessibleWidget::text;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int /*selectionIndex*/) override { setCursorPosition(cursorPosition()); }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    // [first, last) of the line that holds offset, its break included. The
    // caret after the tape's final break counts as on the last line.
    std::pair<int, int> lineAt(int offset) const;
    // The line at offset, or the one before (step -1) or after it (+1).
    QString line(int offset, int step, int* startOffset, int* endOffset) const;

    QPlainTextEdit* tape_ = nullptr;
};

}  // namespace marbolin
