#include "app/CommandLine.h"
#include "curve/CalibrationSteps.h"
#include "files/models/Model.h"
#include "runtime/About.h"
#include "runtime/NumberText.h"
#include "view3d/ViewFrame.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <cmath>
#include <cstdio>

namespace {
// "a, b, c, d, rapporto, passo": the values a sweep moves.
QString sweptNames()
{
    QStringList names;
    for (int i = 0; i < CurveFields::shaping; ++i)
        names << QString::fromUtf8(CurveFields::all()[std::size_t(i)].name);
    return names.join(QStringLiteral(", "));
}

// "punti, superficie o superficie-e-punti": the looks as the command line names them.
QString lookWords()
{
    QStringList words;
    for (const ViewLooks::Entry &entry : ViewLooks::all())
        words << QLatin1String(entry.word);
    const QString last = words.takeLast();
    return words.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
}

// "solo-avanti, avanti-e-indietro o una-volta", the one a sweep takes when none is given first.
QString repeatWords()
{
    QStringList words{Sweep::repeatWord(Sweep::givenRepeat)};
    for (std::size_t i = 0; i < Sweep::repeatNames.size(); ++i)
        if (Repeat(i) != Sweep::givenRepeat)
            words << Sweep::repeatWord(Repeat(i));
    const QString last = words.takeLast();
    return words.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
}

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
            {"Missing value after '%1'.", QStringLiteral("manca il valore dopo %1")},
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

CommandLine::Reading usageError(const QString &message)
{
    print(stderr, QStringLiteral("elica: %1%2\n").arg(message, CommandLine::usageHint()));
    return {false, 2, std::nullopt};
}

// A number as the help writes it, with the decimal comma whatever the user's locale.
QString said(double value)
{
    QLocale italian(QLocale::Italian);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    return italian.toString(value, 'g', 15);
}

// "da 1 a 60": a range as the help and the messages say it.
QString range(double lowest, double highest)
{
    return QStringLiteral("da %1 a %2").arg(said(lowest), said(highest));
}

QString secondsRange()
{
    return range(MotionPace::shortestSeconds, MotionPace::longestSeconds);
}

QString sizeWords(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Each limit the options take is said with the constant that owns it.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Mostra questo aiuto ed esce.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Mostra la versione ed esce.")};
    QCommandLineOption exportTo{QStringLiteral("export"),
                                QStringLiteral("Scrive il disegno nel FILE ed esce, senza finestre e senza schermo; "
                                               "il formato viene dall'estensione: %1.")
                                    .arg(CommandLine::extensions()),
                                QStringLiteral("FILE")};
    QCommandLineOption curve{QStringLiteral("curve"),
                             QStringLiteral("Una curva: gli otto valori a;b;c;d;rapporto;passo;alfa;beta, con la virgola "
                                            "o il punto decimale. Si ripete; ogni curva prende il colore seguente."),
                             QStringLiteral("VALORI")};
    QCommandLineOption open{QStringLiteral("open"),
                            QStringLiteral("Le curve di un'immagine di Elica (e gli angoli della vista 3D, se li dice); "
                                           "le --curve dopo si aggiungono."),
                            QStringLiteral("FILE")};
    QCommandLineOption aspect{QStringLiteral("aspect"),
                              QStringLiteral("Il fattore della calibrazione, %1, ogni %2 (se manca: il più vicino ad "
                                             "altezza su larghezza).")
                                  .arg(range(CalibrationSteps::lowestAcceptedStep(), CalibrationSteps::ofStep(CalibrationSteps::lastStep)),
                                       said(CalibrationSteps::perStep)),
                              QStringLiteral("N")};
    QCommandLineOption size{QStringLiteral("size"),
                            QStringLiteral("La grandezza del disegno in pixel, ogni lato %1 (se manca: %2; per la vista 3D %3).")
                                .arg(range(1, CommandLine::largestSide), sizeWords(CommandLine::drawingSize),
                                     sizeWords(CommandLine::viewSize)),
                            QStringLiteral("LxA")};
    QCommandLineOption view{QStringLiteral("view"),
                            QStringLiteral("L'immagine della vista 3D da azimut e elevazione in gradi, col punto "
                                           "decimale: 45,35.26; l'elevazione %1.")
                                .arg(range(-ViewAngles::steepest, ViewAngles::steepest)),
                            QStringLiteral("AZ,EL")};
    QCommandLineOption legend{QStringLiteral("legend"), QStringLiteral("Con la vista 3D: la legenda delle curve.")};
    QCommandLineOption dotSize{QStringLiteral("dot-size"),
                               QStringLiteral("Con la vista 3D: i punti di N pixel, %1 (se manca: %2).")
                                   .arg(range(FrameStyle::smallestDot, FrameStyle::largestDot))
                                   .arg(FrameStyle{}.dotSize),
                               QStringLiteral("N")};
    QCommandLineOption look{QStringLiteral("look"),
                            QStringLiteral("Con la vista 3D: le curve come %1 (se manca: %2, o quello dell'immagine "
                                           "aperta con --open).")
                                .arg(lookWords(), QLatin1String(ViewLooks::of(ViewLook::dots).word)),
                            QStringLiteral("ASPETTO")};
    QCommandLineOption section{QStringLiteral("section"),
                               QStringLiteral("Con la vista 3D: le curve tagliate dal piano verticale per l'asse Z rivolto "
                                              "verso chi guarda.")};
    QCommandLineOption modelSize{QStringLiteral("model-size"),
                                 QStringLiteral("Per un modello 3D (%1): il lato più lungo in millimetri, %2 (se manca: %3).")
                                     .arg(CommandLine::extensions(PictureFormats::Kind::Model),
                                          range(Model::smallestSide, Model::largestAllowedSide), said(Model::defaultSide)),
                                 QStringLiteral("MM")};
    QCommandLineOption turn{QStringLiteral("turn"),
                            QStringLiteral("Per un'animazione (%1): un giro completo della vista 3D in SECONDI, %2 (se "
                                           "mancano: %3, cioè %4 fotogrammi).")
                                .arg(CommandLine::extensions(PictureFormats::Kind::Animation), secondsRange(),
                                     said(Turn{}.seconds))
                                .arg(Turn{}.frames()),
                            QStringLiteral("SECONDI")};
    QCommandLineOption sweep{QStringLiteral("sweep"),
                             QStringLiteral("Per un'animazione: un valore (%1) dell'ultima curva che va DA A in SECONDI, "
                                            "%2 (se mancano: %3), nel MODO %4 (se manca: %5).")
                                 .arg(sweptNames(), secondsRange(), said(Sweep::givenSeconds), repeatWords(),
                                      Sweep::repeatWord(Sweep::givenRepeat)),
                             QStringLiteral("NOME:DA:A[:SECONDI[:MODO]]")};
};

// "--turn" may come without its seconds: it is given its default then, so that the parser, which
// wants a value, takes the next option as an option.
QStringList withTurnValues(const QStringList &arguments)
{
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument != QLatin1String("--turn") && argument != QLatin1String("-turn")) {
            out << argument;
            continue;
        }
        const bool seconds = i + 1 < arguments.size() && NumberText::parseWritten(arguments[i + 1]).has_value();
        out << argument + u'=' + (seconds ? arguments[++i] : NumberText::fromDouble(Turn{}.seconds));
    }
    return out;
}

QString example()
{
    return QStringLiteral("\nEsempio: due curve in un PNG, la loro vista 3D in un PDF, la vista che gira con il passo\n"
                          "che cresce in un GIF, e la figura da stampare in 3D:\n"
                          "  elica --export conchiglie.png --curve \"20;15;10;5;3;1;45;45\" --curve \"22;14,5;8;6,25;0,3;1,5;30;60\"\n"
                          "  elica --export vista.pdf --open conchiglie.png --view 30,20 --legend\n"
                          "  elica --export conchiglia.gif --turn --sweep passo:0,5:2:4:avanti-e-indietro --size 640x480\n"
                          "  elica --export conchiglia.stl --model-size 80\n"
                          "\nStato di uscita: 0 fatto, 1 valori o file rifiutati o file non scritto, 2 opzioni sbagliate.\n");
}

std::optional<QSize> sizeOf(const QString &text)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > CommandLine::largestSide || size.height() > CommandLine::largestSide)
        return std::nullopt;
    return size;
}

std::optional<ViewAngles> anglesOf(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    bool azimuthRead = false, elevationRead = false;
    const ViewAngles view{QLocale::c().toDouble(parts[0].trimmed(), &azimuthRead), QLocale::c().toDouble(parts[1].trimmed(), &elevationRead)};
    if (!azimuthRead || !elevationRead || !std::isfinite(view.azimuth) || !(std::abs(view.elevation) <= ViewAngles::steepest))
        return std::nullopt;
    return view;
}

// The options' values, or the one line that says what is wrong with them.
std::variant<CommandLine::ExportRequest, QString> exportRequest(const QCommandLineParser &parser, const Options &options)
{
    CommandLine::ExportRequest request;
    request.path = parser.value(options.exportTo);
    request.format = PictureFormats::ofPath(request.path);
    if (!request.format)
        return QStringLiteral("l'estensione di %1 non è di un formato che Elica scrive").arg(request.path);
    const QStringList curves = parser.values(options.curve);
    const QStringList files = parser.values(options.open);
    if (files.size() > 1)
        return QStringLiteral("--open si dà una volta sola");
    // The curves and the file in the order given.
    qsizetype nextCurve = 0;
    for (const QString &name : parser.optionNames()) {
        if (name == options.curve.names().constFirst()) {
            const QString &values = curves[nextCurve++];
            if (values.count(u';') != 7)
                return QStringLiteral("--curve vuole otto valori separati da \";\": %1").arg(values);
            request.sources.push_back({CommandLine::Source::Curve, values});
        } else if (name == options.open.names().constFirst()) {
            request.sources.push_back({CommandLine::Source::File, files.constFirst()});
        }
    }
    if (parser.isSet(options.aspect))
        request.aspect = parser.value(options.aspect);
    if (parser.isSet(options.size)) {
        request.size = sizeOf(parser.value(options.size));
        if (!request.size)
            return QStringLiteral("--size vuole LARGHEZZAxALTEZZA in pixel, %1: %2").arg(range(1, CommandLine::largestSide), parser.value(options.size));
    }
    if (parser.isSet(options.view)) {
        request.view = anglesOf(parser.value(options.view));
        if (!request.view)
            return QStringLiteral("--view vuole AZIMUT,ELEVAZIONE in gradi, l'elevazione %1: %2")
                .arg(range(-ViewAngles::steepest, ViewAngles::steepest), parser.value(options.view));
    }
    request.legend = parser.isSet(options.legend);
    if (parser.isSet(options.dotSize)) {
        bool read = false;
        const int pixels = parser.value(options.dotSize).toInt(&read);
        if (!read || pixels < FrameStyle::smallestDot || pixels > FrameStyle::largestDot)
            return QStringLiteral("--dot-size vuole un numero intero %1: %2")
                .arg(range(FrameStyle::smallestDot, FrameStyle::largestDot), parser.value(options.dotSize));
        request.dotSize = pixels;
    }
    if (parser.isSet(options.look)) {
        request.look = ViewLooks::named(parser.value(options.look));
        if (!request.look)
            return QStringLiteral("--look vuole %1: %2").arg(lookWords(), parser.value(options.look));
    }
    request.section = parser.isSet(options.section);
    if (parser.isSet(options.modelSize)) {
        const std::optional<double> millimetres = NumberText::parseWritten(parser.value(options.modelSize));
        if (!millimetres || !(*millimetres >= Model::smallestSide && *millimetres <= Model::largestAllowedSide))
            return QStringLiteral("--model-size vuole i millimetri del lato più lungo, da %1 a %2: %3")
                .arg(NumberText::fromDouble(Model::smallestSide), NumberText::fromDouble(Model::largestAllowedSide),
                     parser.value(options.modelSize));
        request.modelSize = millimetres;
    }
    if (parser.isSet(options.turn)) {
        request.turn = Turn::read(parser.value(options.turn), NumberText::parseWritten);
        if (!request.turn)
            return QStringLiteral("--turn vuole i secondi del giro, %1: %2").arg(secondsRange(), parser.value(options.turn));
    }
    if (parser.isSet(options.sweep)) {
        request.sweep = Sweep::read(parser.value(options.sweep).split(u':'), NumberText::parseWritten);
        if (!request.sweep)
            return QStringLiteral("--sweep vuole NOME:DA:A[:SECONDI[:MODO]], NOME tra %1, DA diverso da A, SECONDI %2, MODO %3: %4")
                .arg(sweptNames(), secondsRange(), repeatWords(), parser.value(options.sweep));
    }
    const bool animation = request.format->kind == PictureFormats::Kind::Animation;
    if (animation != (request.turn || request.sweep))
        return animation ? QStringLiteral("un'animazione vuole --turn, --sweep o tutti e due")
                         : QStringLiteral("--turn e --sweep valgono solo per un'animazione (%1)").arg(CommandLine::extensions(PictureFormats::Kind::Animation));
    return request;
}
}

QString CommandLine::usageHint()
{
    return QStringLiteral(" (elica --help elenca le opzioni)");
}

QString CommandLine::extensions(std::optional<PictureFormats::Kind> only)
{
    QStringList kinds;
    for (const PictureFormats::Kind kind : {PictureFormats::Kind::Picture, PictureFormats::Kind::Animation, PictureFormats::Kind::Model}) {
        if (only && kind != *only)
            continue;
        QStringList names;
        for (const PictureFormats::Entry *entry : PictureFormats::ofKind(kind))
            names << QLatin1String(entry->extension);
        kinds << names.join(QStringLiteral(", "));
    }
    return kinds.join(QStringLiteral("; "));
}

bool CommandLine::asksForExport(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = QByteArray(argv[i]).split('=').constFirst();
        if (argument == "--export" || argument == "-export")
            return true;
    }
    return false;
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
    const Options options;
    const QList<const QCommandLineOption *> all = {&options.help, &options.version, &options.exportTo, &options.curve,
                                                   &options.open, &options.aspect, &options.size, &options.view,
                                                   &options.legend, &options.dotSize, &options.look, &options.section,
                                                   &options.modelSize,
                                                   &options.turn, &options.sweep};
    for (const QCommandLineOption *option : all)
        parser.addOption(*option);

    Reading reading;
    const QList<const QCommandLineOption *> forExport = all.sliced(3);
    if (!parser.parse(withTurnValues(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        reading = usageError(unknown.isEmpty() ? parser.errorText()
                                               : QStringLiteral("opzione sconosciuta: %1").arg(asTyped(arguments, unknown.constFirst())));
    } else if (parser.isSet(options.help)) {
        print(stdout, parser.helpText() + example());
        reading = {false, 0, std::nullopt};
    } else if (parser.isSet(options.version)) {
        print(stdout, About::name() + u' ' + About::version() + u'\n');
        reading = {false, 0, std::nullopt};
    } else if (!parser.positionalArguments().isEmpty()) {
        reading = usageError(QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().constFirst()));
    } else if (parser.isSet(options.exportTo)) {
        std::variant<ExportRequest, QString> request = exportRequest(parser, options);
        if (const QString *wrong = std::get_if<QString>(&request))
            reading = usageError(*wrong);
        else
            reading = {false, 0, std::get<ExportRequest>(std::move(request))};
    } else {
        for (const QCommandLineOption *option : forExport)
            if (parser.isSet(*option)) {
                reading = usageError(QStringLiteral("%1 vale solo con --export").arg(asTyped(arguments, option->names().constFirst())));
                break;
            }
    }

    QCoreApplication::removeTranslator(&words);
    return reading;
}
