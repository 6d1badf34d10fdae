// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QTranslator>

#include <memory>

namespace marbolin {

class Phrases;

// The program in the user's language. The first of the user's languages
// (LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as Qt reads them) that is
// English or has a catalogue decides: English is the language the program
// is written in and needs none. For another language the program's
// catalogue and Qt's own (for the tape's menu and the boxes' buttons) are
// installed into the application while this object lives.
class Translations final {
public:
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The calculator's words in that language; null for English, where the
    // calculator's own are used.
    const Phrases* phrases() const { return phrases_.get(); }

private:
    QTranslator program_;
    QTranslator qt_;
    std::unique_ptr<Phrases> phrases_;
};

}  // namespace marbolin
