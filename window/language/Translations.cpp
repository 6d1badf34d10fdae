// SPDX-License-Identifier: MIT
#include "Translations.h"

#include "TranslatedPhrases.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace marbolin {

Translations::Translations(const QLocale& locale)
{
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            return;
        }
        // The catalogues are compiled into the program, under :/i18n.
        if (program_.load(language, QStringLiteral("marbolin"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
            break;
        }
    }
    if (program_.isEmpty()) {
        return;
    }
    QCoreApplication::installTranslator(&program_);
    // Qt's texts in the same language, even where the user listed another
    // language first that the program lacks.
    if (qt_.load(QLocale(program_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
    phrases_ = std::make_unique<TranslatedPhrases>(program_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

}  // namespace marbolin
