// SPDX-License-Identifier: MIT
#include "TranslatedPhrases.h"

#include <QString>
#include <QTranslator>

#include <limits>

namespace marbolin {

namespace {

constexpr const char* kContext = "Phrases";

}  // namespace

std::string TranslatedPhrases::text(const char* source, std::string english) const
{
    const QString translated = catalogue_.translate(kContext, source);
    return translated.isEmpty() ? english : translated.toStdString();
}

std::string TranslatedPhrases::filled(const char* source, const std::string& argument,
                                      std::string english) const
{
    const QString translated = catalogue_.translate(kContext, source);
    return translated.isEmpty() ? english : translated.arg(QString::fromStdString(argument)).toStdString();
}

// Qt chooses the plural form by an int, and would group the digits with %Ln;
// the count itself goes in whole. A count beyond an int's range chooses by
// one that ends in the same six digits and is as large as any language's
// rule tells apart.
std::string TranslatedPhrases::counted(const char* source, std::uint64_t count, std::string english) const
{
    constexpr auto kIntMax = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    const auto form = static_cast<int>(count <= kIntMax ? count : count % 1'000'000 + 1'000'000);
    QString translated = catalogue_.translate(kContext, source, nullptr, form);
    if (translated.isEmpty()) {
        return english;
    }
    return translated.replace(QLatin1String("%n"), QString::number(count)).toStdString();
}

std::string TranslatedPhrases::hours(std::uint64_t count) const
{
    //: One field of a time, spoken by a screen reader: "1 hour", "1000 hours".
    return counted(QT_TRANSLATE_N_NOOP("Phrases", "%n hour(s)"), count, Phrases::hours(count));
}

std::string TranslatedPhrases::minutes(std::uint64_t count) const
{
    return counted(QT_TRANSLATE_N_NOOP("Phrases", "%n minute(s)"), count, Phrases::minutes(count));
}

std::string TranslatedPhrases::seconds(std::uint64_t count) const
{
    return counted(QT_TRANSLATE_N_NOOP("Phrases", "%n second(s)"), count, Phrases::seconds(count));
}

std::string TranslatedPhrases::negative(const std::string& time) const
{
    //: A time below zero; %1 is a time in words, such as "4 minutes 30 seconds".
    return filled(QT_TRANSLATE_NOOP("Phrases", "minus %1"), time, Phrases::negative(time));
}

std::string TranslatedPhrases::total(const std::string& time) const
{
    //: Spoken after + or -: the new running total; %1 is a time in words.
    return filled(QT_TRANSLATE_NOOP("Phrases", "total %1"), time, Phrases::total(time));
}

std::string TranslatedPhrases::entryKept(const std::string& time) const
{
    //: Spoken once the error box has closed: the rejected entry stays on the display; %1 is it in words.
    return filled(QT_TRANSLATE_NOOP("Phrases", "entry kept, %1"), time, Phrases::entryKept(time));
}

std::string TranslatedPhrases::entryCleared() const
{
    //: Spoken after C.
    return text(QT_TRANSLATE_NOOP("Phrases", "entry cleared"), Phrases::entryCleared());
}

std::string TranslatedPhrases::allCleared() const
{
    //: Spoken after Ctrl+C, which clears the entry, the total and the tape.
    return text(QT_TRANSLATE_NOOP("Phrases", "all cleared"), Phrases::allCleared());
}

std::string TranslatedPhrases::errorTitle() const
{
    //: The title of the box for minutes or seconds above 59.
    return text(QT_TRANSLATE_NOOP("Phrases", "Error"), Phrases::errorTitle());
}

std::string TranslatedPhrases::inputError() const
{
    //: The error box's first line.
    return text(QT_TRANSLATE_NOOP("Phrases", "Input error."), Phrases::inputError());
}

std::string TranslatedPhrases::inputFormat() const
{
    //: The error box's second line. A screen reader reads it aloud, quotes and all, so leave them out.
    return text(QT_TRANSLATE_NOOP("Phrases", "Input the time in the format 'hh:mm:ss'"),
                Phrases::inputFormat());
}

std::string TranslatedPhrases::infoTitle() const
{
    //: The title of the box that "?" opens.
    return text(QT_TRANSLATE_NOOP("Phrases", "info"), Phrases::infoTitle());
}

std::string TranslatedPhrases::credit() const
{
    return text(QT_TRANSLATE_NOOP("Phrases", "Written by the Marbolin contributors"), Phrases::credit());
}

std::string TranslatedPhrases::infoPurpose() const
{
    return text(QT_TRANSLATE_NOOP("Phrases", "The program adds and substracts times."),
                Phrases::infoPurpose());
}

std::string TranslatedPhrases::infoInput() const
{
    //: A screen reader reads the info box aloud, quotes and all, so leave them out.
    return text(QT_TRANSLATE_NOOP("Phrases", "Input a time-value and then click or type '+' or '-'."),
                Phrases::infoInput());
}

std::string TranslatedPhrases::infoKeys() const
{
    //: The keys C and Ctrl+C; the key C clears in every language.
    return text(QT_TRANSLATE_NOOP("Phrases", "'C'=clear, 'Ctrl+C'=clear all"), Phrases::infoKeys());
}

}  // namespace marbolin
