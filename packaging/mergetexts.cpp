// SPDX-License-Identifier: MIT
// Writes the desktop entry or the AppStream metadata with every language's
// words added, from the English file and the program's catalogues, so that
// a language is one file to translate and the installed files never have to
// be kept in step with it by hand. The words are found in each catalogue's
// "Desktop" context by their English text; a text of the English file that
// no catalogue knows is an error, and so is one a catalogue leaves
// untranslated.
//
//   mergetexts desktop|metainfo ENGLISH OUTPUT CATALOGUE.ts...
//
// In the desktop entry, GenericName, Comment and Keywords are translated;
// Name is the program's name in every language. In the metainfo each
// summary, p, li and caption element stands on a line of its own.
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Catalogue {
    QString language;               // as the catalogue names it: "de", "pt_BR"
    QMap<QString, QString> words;  // English text -> translation
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "mergetexts: %s\n", qPrintable(message));
    std::exit(1);
}

Catalogue read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(path));
    }
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation") && context == QLatin1String("Desktop")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type.isEmpty() && !text.isEmpty()) {
                catalogue.words.insert(source, text);
            }
        }
    }
    if (xml.hasError() || catalogue.language.isEmpty()) {
        fail(QStringLiteral("%1 is not a catalogue: %2").arg(path, xml.errorString()));
    }
    return catalogue;
}

QString translated(const Catalogue& catalogue, const QString& english)
{
    const auto found = catalogue.words.constFind(english);
    if (found == catalogue.words.constEnd()) {
        fail(QStringLiteral("the %1 catalogue has no translation of \"%2\"").arg(catalogue.language, english));
    }
    return *found;
}

QString unescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QStringList merged(const QString& kind, const QStringList& lines, const std::vector<Catalogue>& catalogues)
{
    static const QRegularExpression entry(QStringLiteral("^(GenericName|Comment|Keywords)=(.*)$"));
    static const QRegularExpression element(
        QStringLiteral("^(\\s*)<(summary|p|li|caption)>(.*)</(summary|p|li|caption)>\\s*$"));
    const bool desktop = kind == QLatin1String("desktop");
    QStringList out;
    for (const QString& line : lines) {
        out << line;
        const auto match = (desktop ? entry : element).match(line);
        if (!match.hasMatch()) {
            continue;
        }
        if (!desktop && match.captured(2) != match.captured(4)) {
            fail(QStringLiteral("an element spans more than one line: %1").arg(line));
        }
        for (const Catalogue& catalogue : catalogues) {
            out << (desktop ? QStringLiteral("%1[%2]=%3").arg(match.captured(1), catalogue.language,
                                                              translated(catalogue, match.captured(2)))
                            : QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                                  .arg(match.captured(1), match.captured(2), catalogue.language,
                                       translated(catalogue, unescaped(match.captured(3))).toHtmlEscaped()));
        }
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4 ||
        (arguments.at(1) != QLatin1String("desktop") && arguments.at(1) != QLatin1String("metainfo"))) {
        std::fprintf(stderr, "usage: mergetexts desktop|metainfo ENGLISH OUTPUT CATALOGUE.ts...\n");
        return 2;
    }
    std::vector<Catalogue> catalogues;
    for (const QString& path : arguments.mid(4)) {
        catalogues.push_back(read(path));
    }
    std::sort(catalogues.begin(), catalogues.end(),
              [](const Catalogue& a, const Catalogue& b) { return a.language < b.language; });

    QFile english(arguments.at(2));
    if (!english.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read %1").arg(arguments.at(2)));
    }
    QStringList lines = QString::fromUtf8(english.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QFile output(arguments.at(3));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        fail(QStringLiteral("cannot write %1").arg(arguments.at(3)));
    }
    output.write((merged(arguments.at(1), lines, catalogues).join(u'\n') + u'\n').toUtf8());
    return 0;
}
