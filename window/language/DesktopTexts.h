// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace marbolin {

// The words of the installed desktop entry and AppStream metadata. They are
// translated in each language's catalogue beside the program's own words,
// and packaging/mergetexts writes the translations into the installed files,
// so that a language is one file to translate. Nothing in the program reads
// them: this list is for lupdate, which keeps the catalogues in step with
// it, and mergetexts finds each text by its English words.
struct DesktopText {
    const char* source;
    const char* comment;
};

inline constexpr DesktopText kDesktopTexts[] = {
    //: What kind of program it is, shown beside or below its name in menus.
    QT_TRANSLATE_NOOP3("Desktop", "Time calculator", "desktop entry"),
    //: One line on the program: the menu's tooltip and the software centre's summary.
    QT_TRANSLATE_NOOP3("Desktop", "Add and subtract clock times on a result tape", "desktop entry and AppStream"),
    //: Words that find the program in the menu's search, each followed by a semicolon,
    //: the last one too. Choose the words people would search for, not a word-for-word
    //: translation.
    QT_TRANSLATE_NOOP3("Desktop", "time;clock;hours;minutes;seconds;add;subtract;tape;", "desktop entry"),
    QT_TRANSLATE_NOOP3("Desktop",
                       "Marbolin is a small calculator for clock times. Type up to six digits, which fill an "
                       "hh:mm:ss display from the right as on a pocket calculator, then press + or - to add "
                       "the time to a running total or take it away.",
                       "AppStream description"),
    QT_TRANSLATE_NOOP3("Desktop",
                       "Every operation prints the time and the new total on a scrolling result tape. The "
                       "total carries seconds into minutes and minutes into hours, and it may go below zero.",
                       "AppStream description"),
    QT_TRANSLATE_NOOP3("Desktop",
                       "Works from the keyboard alone: digits, + and -, C to clear the entry, Ctrl+C to clear "
                       "everything",
                       "AppStream description"),
    QT_TRANSLATE_NOOP3("Desktop", "Rejects minutes or seconds above 59 with a clear message and loses nothing",
                       "AppStream description"),
    QT_TRANSLATE_NOOP3("Desktop", "Reads and writes no files and keeps no settings", "AppStream description"),
    QT_TRANSLATE_NOOP3("Desktop", "Speaks to screen readers in the user's language", "AppStream description"),
    //: A screenshot's caption; the times are as the window shows them.
    QT_TRANSLATE_NOOP3("Desktop", "The window after 01:30:00 + 00:45:30 - 02:20:00", "AppStream screenshot"),
    QT_TRANSLATE_NOOP3("Desktop", "The window on a German desktop", "AppStream screenshot"),
    //: The notes on version 1.00 in the software centre.
    QT_TRANSLATE_NOOP3("Desktop", "First release.", "AppStream release"),
};

}  // namespace marbolin
