#include "runtime/CommandLine.h"
#include "runtime/About.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>
#include <cstdio>

namespace {
// The parser's own words in Italian, like the rest of the program.
class ParserWords : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static const QHash<QByteArray, QString> words{
            {"Usage: %1", QStringLiteral("Uso: %1")},
            {"[options]", QStringLiteral("[opzioni]")},
            {"Options:", QStringLiteral("Opzioni:")},
            {"Unexpected value after '%1'.", QStringLiteral("valore inatteso dopo %1")},
        };
        return qstrcmp(context, "QCommandLineParser") == 0 ? words.value(sourceText) : QString();
    }
    bool isEmpty() const override { return false; }
};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The option as the user typed it: the parser names it without its dashes.
QString asTyped(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.sliced(1)) {
        const QString option = argument.section(u'=', 0, 0);
        if (option == u'-' + name || option == QStringLiteral("--") + name)
            return option;
    }
    return name;
}

CommandLine::Reading error(const QString &message)
{
    print(stderr, QStringLiteral("elica: %1 (elica --help elenca le opzioni)\n").arg(message));
    return {false, 2};
}
}

CommandLine::Reading CommandLine::read(const QStringList &arguments)
{
    ParserWords words;
    QCoreApplication::installTranslator(&words);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Disegna in assonometria un'elica portata lungo una spirale (ELICA + CHICCIOLA).\n"
        "Senza opzioni apre la pagina introduttiva. Accetta anche le opzioni delle Qt,\n"
        "come -platform nome e -style stile."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra questo aiuto ed esce."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Mostra la versione ed esce."));
    parser.addOption(help);
    parser.addOption(version);

    Reading reading;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        reading = error(unknown.isEmpty() ? parser.errorText()
                                          : QStringLiteral("opzione sconosciuta: %1").arg(asTyped(arguments, unknown.constFirst())));
    } else if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        reading = {false, 0};
    } else if (parser.isSet(version)) {
        print(stdout, About::name() + u' ' + About::version() + u'\n');
        reading = {false, 0};
    } else if (!parser.positionalArguments().isEmpty()) {
        reading = error(QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().constFirst()));
    }

    QCoreApplication::removeTranslator(&words);
    return reading;
}
