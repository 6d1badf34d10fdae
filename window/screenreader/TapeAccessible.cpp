// SPDX-License-Identifier: MIT
#include "TapeAccessible.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace marbolin {

namespace {

bool byLines(QAccessible::TextBoundaryType type)
{
    return type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary;
}

}  // namespace

TapeAccessible::TapeAccessible(QPlainTextEdit* tape)
    : QAccessibleWidget(tape, QAccessible::EditableText), tape_(tape)
{
}

void* TapeAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TapeAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void TapeAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = tape_->textCursor();
    const bool selected = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = selected ? cursor.selectionStart() : 0;
    *endOffset = selected ? cursor.selectionEnd() : 0;
}

int TapeAccessible::selectionCount() const
{
    return tape_->textCursor().hasSelection() ? 1 : 0;
}

void TapeAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int count = characterCount();
    if (selectionIndex == 0 && std::clamp(startOffset, 0, count) == startOffset &&
        std::clamp(endOffset, 0, count) == endOffset) {
        QTextCursor cursor = tape_->textCursor();
        cursor.setPosition(startOffset);
        cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
        tape_->setTextCursor(cursor);
    }
}

int TapeAccessible::cursorPosition() const
{
    return tape_->textCursor().position();
}

QString TapeAccessible::text(int startOffset, int endOffset) const
{
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = endOffset < 0 ? count : std::clamp(endOffset, startOffset, count);
    QTextCursor cursor(tape_->document());
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

std::pair<int, int> TapeAccessible::lineAt(int offset) const
{
    const int count = characterCount();
    QTextBlock block = tape_->document()->findBlock(std::clamp(offset, 0, count));
    // After the tape's final break the document holds an empty block.
    if (block.length() == 1 && !block.next().isValid() && block.previous().isValid()) {
        block = block.previous();
    }
    // A block's length counts its break, or, for the last one, the end.
    return {block.position(), std::min(block.position() + block.length(), count)};
}

QString TapeAccessible::line(int offset, int step, int* startOffset, int* endOffset) const
{
    std::pair<int, int> range = lineAt(offset);
    if ((step < 0 && range.first == 0) || (step > 0 && range.second >= characterCount())) {
        *startOffset = *endOffset = -1;
        return {};
    }
    if (step != 0) {
        range = lineAt(step < 0 ? range.first - 1 : range.second);
    }
    *startOffset = range.first;
    *endOffset = range.second;
    return text(range.first, range.second);
}

QString TapeAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const
{
    return byLines(boundaryType)
               ? line(offset, -1, startOffset, endOffset)
               : QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
}

QString TapeAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                     int* endOffset) const
{
    return byLines(boundaryType)
               ? line(offset, 0, startOffset, endOffset)
               : QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

QString TapeAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const
{
    return byLines(boundaryType)
               ? line(offset, 1, startOffset, endOffset)
               : QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
}

int TapeAccessible::characterCount() const
{
    return tape_->document()->characterCount() - 1;
}

QRect TapeAccessible::characterRect(int offset) const
{
    // No box past the end, and no place past it is asked of Qt.
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    QTextCursor cursor(tape_->document());
    cursor.setPosition(offset);
    const QRect caret = tape_->cursorRect(cursor);
    const QChar character = tape_->document()->characterAt(offset);
    const int width =
        character == QChar::ParagraphSeparator ? 1 : tape_->fontMetrics().horizontalAdvance(character);
    const QRect box(caret.topLeft(), QSize(std::max(width, 1), caret.height()));
    // Scrolled out of sight, just outside the window: screen readers clip
    // their review to the window, and would join hidden lines to others.
    const QWidget* viewport = tape_->viewport();
    if (!viewport->rect().intersects(box)) {
        return {tape_->window()->mapToGlobal(QPoint(-1, -1)), QSize(0, 0)};
    }
    return box.translated(viewport->mapToGlobal(QPoint(0, 0)));
}

int TapeAccessible::offsetAtPoint(const QPoint& point) const
{
    const QWidget* viewport = tape_->viewport();
    const QPoint local = viewport->mapFromGlobal(point);
    if (!viewport->rect().contains(local)) {
        return -1;
    }
    // Qt gives the nearest caret place; in the right half of a character
    // that is the place after it.
    int offset = tape_->cursorForPosition(local).position();
    if (offset > 0 && !characterRect(offset).contains(point) && characterRect(offset - 1).contains(point)) {
        --offset;
    }
    return std::min(offset, characterCount());
}

// The tape scrolls by lines; the caret stays where the user left it.
void TapeAccessible::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    const QTextBlock block = tape_->document()->findBlock(std::clamp(startIndex, 0, characterCount()));
    tape_->verticalScrollBar()->setValue(block.blockNumber());
}

// One font and one colour throughout.
QString TapeAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset < 0 ? -1 : 0;
    *endOffset = offset < 0 ? -1 : characterCount();
    return {};
}

}  // namespace marbolin
