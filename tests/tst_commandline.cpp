// The command line, run as a user would run it and without a display: the answers to --help and
// --version, the errors, the toolkit's own options, and pictures made with --export, held against
// what the windows save for the same curves.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "files/PictureFormats.h"
#include "files/PictureReader.h"
#include "app/CommandLine.h"
#include "curve/CalibrationSteps.h"
#include "files/models/Model.h"
#include "runtime/About.h"
#include "view3d/ViewFrame.h"

Q_DECLARE_METATYPE(Motion)

#include <QAction>
#include <QImageReader>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int status = -1;
    QStringList out;
    QStringList err;
};

QProcessEnvironment withoutDisplay(const QString &runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    // Where the session gives none, the toolkit warns about it on standard error.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return environment;
}

QStringList lines(const QByteArray &text)
{
    return QString::fromLocal8Bit(text).split(u'\n', Qt::SkipEmptyParts);
}


const QString hint = CommandLine::usageHint();

// A number as the help and the manual page write it: with the decimal comma.
QString said(double value)
{
    QLocale italian(QLocale::Italian);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    return italian.toString(value, 'g', 15);
}

// What an option's help says, on one line.
QString helpOf(const QStringList &help, const QString &option)
{
    QString said;
    bool in = false;
    for (const QString &line : help) {
        if (line.startsWith(QStringLiteral("  -")))
            in = line.trimmed().startsWith(option + QLatin1Char(' '));
        else if (!line.startsWith(QStringLiteral("   ")))
            in = false;
        if (in)
            said += QLatin1Char(' ') + line;
    }
    return said.simplified();
}

// What the manual page says of an option, as the reader sees it, on one line: the paragraph
// that the option's tag opens.
QString manualOf(const QString &page, const QString &option)
{
    const QStringList lines = page.split(u'\n');
    QString said;
    bool in = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        line.replace(QStringLiteral("\\-"), QStringLiteral("-")).replace(QStringLiteral("\\~"), QStringLiteral(" "));
        if (line.startsWith(QStringLiteral(".TP")) || line.startsWith(QStringLiteral(".PP")) || line.startsWith(QStringLiteral(".SH"))) {
            in = line.startsWith(QStringLiteral(".TP")) && i + 1 < lines.size()
                && lines[i + 1].section(u' ', 1, 1).replace(QStringLiteral("\\-"), QStringLiteral("-")) == option;
            continue;
        }
        if (!in)
            continue;
        if (line.startsWith(u'.'))
            line = line.section(u' ', 1).remove(u'"');
        said += QLatin1Char(' ') + line;
    }
    return said.simplified();
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The pixels and the exact words of a picture file.
struct Saved {
    QImage pixels;
    PictureDocument document;
    bool operator==(const Saved &) const = default;
};
Saved savedIn(const QString &path)
{
    const PictureReader::Reading reading = PictureReader::read(path);
    const PictureDocument document = std::holds_alternative<PictureDocument>(reading) ? std::get<PictureDocument>(reading) : PictureDocument{};
    if (!path.endsWith(QLatin1String(".png")))
        return {QImage(), document};
    const QImage pixels = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("KEEP_SHOTS"))
        pixels.save(QStringLiteral("/tmp/") + QFileInfo(path).fileName());
    return {pixels, document};
}

}

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtimeDir;

    Run run(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay(m_runtimeDir.path()));
        process.start(QStringLiteral(ELICA_BINARY), arguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                lines(process.readAllStandardOutput()), lines(process.readAllStandardError())};
    }

private slots:
    void init() { Single::instance<Form2>().Incr = 0.79; }
    void cleanup() { Single::destroyAll(); }

    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")};
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")};
        QTest::newRow("with --version too")
            << QStringList{QStringLiteral("--version"), QStringLiteral("--help")};
        QTest::newRow("after a toolkit option")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--help")};
    }

    void help()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QStringList());
        QVERIFY(!result.out.isEmpty());
        QVERIFY2(result.out.first().startsWith(QStringLiteral("Uso: "))
                     && result.out.first().endsWith(QStringLiteral("elica [opzioni]")),
                 qPrintable(result.out.first()));
        QVERIFY(result.out.contains(QStringLiteral("Opzioni:")));
        const QString options = result.out.join(u'\n');
        for (const char *option : {"-h, --help", "-v, --version", "--export <FILE>", "--curve <VALORI>", "--open <FILE>",
                                   "--aspect <N>", "--size <LxA>", "--view <AZ,EL>", "--legend", "--dot-size <N>",
                                   "--model-size <MM>"})
            QVERIFY2(options.contains(QLatin1String("  ") + QLatin1String(option) + QLatin1Char(' ')), option);
        QVERIFY(result.out.contains(QStringLiteral("Esempio: due curve in un PNG, la loro vista 3D in un PDF, la vista che gira con il passo")));
    }

    // Each option's limits and defaults, as the constants that own them give them, in the help
    // and in the manual page alike.
    void limitsSaidAsTheProgramTakesThem_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("phrases");
        const auto range = [](double lowest, double highest) { return QStringLiteral("da %1 a %2").arg(said(lowest), said(highest)); };
        QTest::newRow("--aspect") << "--aspect"
            << QStringList{range(CalibrationSteps::lowestAcceptedStep(), CalibrationSteps::ofStep(CalibrationSteps::lastStep))
                           + QStringLiteral(", ogni ") + said(CalibrationSteps::perStep)};
        QTest::newRow("--size") << "--size"
            << QStringList{range(1, CommandLine::largestSide), sizeText(CommandLine::drawingSize), sizeText(CommandLine::viewSize)};
        QTest::newRow("--view") << "--view" << QStringList{range(-ViewAngles::steepest, ViewAngles::steepest)};
        QTest::newRow("--dot-size") << "--dot-size"
            << QStringList{range(FrameStyle::smallestDot, FrameStyle::largestDot) + QStringLiteral(" (se manca: %1)").arg(FrameStyle{}.dotSize)};
        QTest::newRow("--model-size") << "--model-size"
            << QStringList{range(Model::smallestSide, Model::largestAllowedSide) + QStringLiteral(" (se manca: %1)").arg(said(Model::defaultSide)),
                           CommandLine::extensions(PictureFormats::Kind::Model)};
        QTest::newRow("--turn") << "--turn"
            << QStringList{range(MotionPace::shortestSeconds, MotionPace::longestSeconds)
                               + QStringLiteral(" (se mancano: %1, cioè %2 fotogrammi)").arg(said(Turn{}.seconds)).arg(Turn{}.frames()),
                           CommandLine::extensions(PictureFormats::Kind::Animation)};
        QTest::newRow("--sweep") << "--sweep"
            << QStringList{range(MotionPace::shortestSeconds, MotionPace::longestSeconds)
                               + QStringLiteral(" (se mancano: %1)").arg(said(Sweep::givenSeconds)),
                           QStringLiteral("(se manca: %1)").arg(Sweep::repeatWord(Sweep::givenRepeat))};
        QTest::newRow("--export") << "--export" << QStringList{CommandLine::extensions()};
        QStringList looks;
        for (const ViewLooks::Entry &entry : ViewLooks::all())
            looks << QLatin1String(entry.word);
        const QString lastLook = looks.takeLast();
        QTest::newRow("--look") << "--look"
                                << QStringList{looks.join(QStringLiteral(", ")) + QStringLiteral(" o ") + lastLook
                                               + QStringLiteral(" (se manca: ") + QLatin1String(ViewLooks::of(ViewLook::dots).word)};
    }

    void limitsSaidAsTheProgramTakesThem()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, phrases);
        const QString help = helpOf(run({QStringLiteral("--help")}).out, option);
        QFile page(QStringLiteral(ELICA_MANUAL_PAGE));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString manual = manualOf(QString::fromUtf8(page.readAll()), option);
        QVERIFY2(!help.isEmpty() && !manual.isEmpty(), qPrintable(option));
        for (const QString &phrase : phrases) {
            QVERIFY2(help.contains(phrase), qPrintable(phrase + QStringLiteral(" not in: ") + help));
            QVERIFY2(manual.contains(phrase), qPrintable(phrase + QStringLiteral(" not in: ") + manual));
        }
    }

    void version_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")};
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")};
        QTest::newRow("after -platform")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")};
        QTest::newRow("after -style")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-version")};
    }

    void version()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QStringList());
        QCOMPARE(result.out, QStringList{QStringLiteral("Elica ") + About::version()});
    }

    // Bad usage: one line, status 2, nothing written.
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, const QStringList &arguments, const QString &error) {
            QTest::newRow(name) << arguments << QStringLiteral("elica: ") + error + hint;
        };
        row("long", {"--colore"}, QStringLiteral("opzione sconosciuta: --colore"));
        row("short", {"-x"}, QStringLiteral("opzione sconosciuta: -x"));
        row("unknown before --help", {"--colore=rosso", "--help"}, QStringLiteral("opzione sconosciuta: --colore"));
        row("value to --version", {"--version=2"}, QStringLiteral("valore inatteso dopo --version"));
        row("argument", {"disegno.png"}, QStringLiteral("argomento inatteso: disegno.png"));
        row("missing value", {"--export"}, QStringLiteral("manca il valore dopo --export"));
        row("unknown extension", {"--export", "x.bmp"}, QStringLiteral("l'estensione di x.bmp non è di un formato che Elica scrive"));
        row("size not WxH", {"--export", "x.png", "--size", "800*600"},
            QStringLiteral("--size vuole LARGHEZZAxALTEZZA in pixel, da 1 a 16384: 800*600"));
        row("size over 16384", {"--export", "x.png", "--size", "16385x10"},
            QStringLiteral("--size vuole LARGHEZZAxALTEZZA in pixel, da 1 a 16384: 16385x10"));
        row("seven values", {"--export", "x.png", "--curve", "1;2;3;4;5;6;7"},
            QStringLiteral("--curve vuole otto valori separati da \";\": 1;2;3;4;5;6;7"));
        row("elevation beyond 90", {"--export", "x.png", "--view", "45,91"},
            QStringLiteral("--view vuole AZIMUT,ELEVAZIONE in gradi, l'elevazione da -90 a 90: 45,91"));
        row("dot size 5", {"--export", "x.png", "--view", "0,0", "--dot-size", "5"},
            QStringLiteral("--dot-size vuole un numero intero da 1 a 4: 5"));
        row("a picture option without --export", {"--curve", "1;2;3;4;5;6;7;8"}, QStringLiteral("--curve vale solo con --export"));
        row("a look not known", {"--export", "x.png", "--view", "0,0", "--look", "nebbia"},
            QStringLiteral("--look vuole punti, superficie o superficie-e-punti: nebbia"));
        row("a look on the drawing", {"--export", "x.png", "--look", "superficie"},
            QStringLiteral("--look e --section valgono solo per la vista 3D (--view)"));
        row("a section in a model", {"--export", "x.stl", "--section"},
            QStringLiteral("--look e --section valgono solo per le immagini della vista 3D"));
        const QString modelSize = QStringLiteral("--model-size vuole i millimetri del lato più lungo, da 1 a 100000: ");
        row("model size not a number", {"--export", "x.stl", "--model-size", "dieci"}, modelSize + "dieci");
        row("model size 0", {"--export", "x.glb", "--model-size", "0"}, modelSize + "0");
        row("model size over 100000", {"--export", "x.ply", "--model-size", "100000,5"}, modelSize + "100000,5");
        row("model size for a picture", {"--export", "x.png", "--model-size", "50"},
            QStringLiteral("--model-size vale solo per un modello 3D (stl, glb, ply)"));
        row("legend with a model", {"--export", "x.stl", "--legend"},
            QStringLiteral("--legend e --dot-size valgono solo per le immagini della vista 3D"));
        row("legend without the view", {"--export", "x.png", "--legend"},
            QStringLiteral("--legend e --dot-size valgono solo per la vista 3D (--view)"));
        row("an animation that does not move", {"--export", "x.gif"}, QStringLiteral("un'animazione vuole --turn, --sweep o tutti e due"));
        row("a turn in a still picture", {"--export", "x.png", "--turn"},
            QStringLiteral("--turn e --sweep valgono solo per un'animazione (gif, webp, mp4, webm)"));
        row("a turn of half a second", {"--export", "x.gif", "--turn", "0,5"}, QStringLiteral("--turn vuole i secondi del giro, da 1 a 60: 0,5"));
        const QString sweep = QStringLiteral("--sweep vuole NOME:DA:A[:SECONDI[:MODO]], NOME tra a, b, c, d, rapporto, passo, DA diverso "
                                             "da A, SECONDI da 1 a 60, MODO solo-avanti, avanti-e-indietro o una-volta: ");
        row("a sweep of an angle", {"--export", "x.webp", "--sweep", "alfa:0:90"}, sweep + "alfa:0:90");
        row("a sweep between equal bounds", {"--export", "x.webp", "--sweep", "passo:1:1,0"}, sweep + "passo:1:1,0");
        row("a sweep of an unknown mode", {"--export", "x.gif", "--sweep", "a:1:2:3:di-corsa"}, sweep + "a:1:2:3:di-corsa");
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QStringList());
        QCOMPARE(result.err, QStringList{error});
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    // Values and files refused as the windows refuse them, a file that cannot be written: status
    // 1, one line, and the file as it was (or none).
    void exportRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QString good = QStringLiteral("20;15;10;5;3;1;45;45");
        QTest::newRow("ratio 0") << QStringList{"--curve", good, "--curve", "20;15;10;5;0,0;1;45;45"}
                                 << QStringLiteral("curva 2: Il Rapporto deve essere diverso da 0");
        QTest::newRow("a letter") << QStringList{"--curve", "20;1O;10;5;3;1;45;45"}
                                  << QStringLiteral("curva 1: Asse Min. di A non è un numero");
        QTest::newRow("an empty value") << QStringList{"--curve", "20;15;10;5;3;;45;45"} << QStringLiteral("curva 1: PASSO non è un numero");
        QTest::newRow("not a calibration step") << QStringList{"--aspect", "0,76"}
                                                << QStringLiteral("il fattore 0,76 non è uno di quelli che la calibrazione accetta: "
                                                                  "da 0,55 a 1,11, ogni 0,02");
        QTest::newRow("a text that is no picture") << QStringList{"--open", "FOLDER/testo.png"}
                                                   << QStringLiteral("Impossibile aprire l'immagine «FOLDER/testo.png»: il nome dice .png, "
                                                                     "ma il contenuto non è un'immagine PNG");
        QTest::newRow("a model beyond any number") << QStringList{"--export", "FOLDER/x.stl", "--curve", "1e308;15;10;5;3;1;45;45"}
                                                   << QStringLiteral("Impossibile salvare il modello FOLDER/x.stl: i valori delle curve "
                                                                     "portano i loro punti oltre ogni misura");
        QTest::newRow("a folder that does not exist") << QStringList{"--export", "FOLDER/manca/x.png"}
                                                      << QStringLiteral("Impossibile salvare l'immagine FOLDER/manca/x.png: "
                                                                        "la cartella FOLDER/manca non esiste");
    }

    void exportRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QString old = folder.filePath(QStringLiteral("vecchia.png"));
        QFile oldFile(old);
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        oldFile.write("old");
        oldFile.close();
        QFile text(folder.filePath(QStringLiteral("testo.png")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("no picture\n");
        text.close();
        arguments.replaceInStrings(QStringLiteral("FOLDER"), folder.path());
        if (!arguments.contains(QStringLiteral("--export")))
            arguments << QStringLiteral("--export") << old;
        const Run result = run(arguments);
        QCOMPARE(result.status, 1);
        QCOMPARE(result.out, QStringList());
        QCOMPARE(result.err, QStringList{QStringLiteral("elica: ") + QString(error).replace(QStringLiteral("FOLDER"), folder.path())});
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), QByteArray("old"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), (QStringList{QStringLiteral("testo.png"), QStringLiteral("vecchia.png")}));
    }

    // The same curves, aspect factor and size as the drawing screen: the same PNG, and an SVG and
    // a PDF with the same words and machine form.
    void exportEqualsTheDrawingScreen_data()
    {
        QTest::addColumn<QStringList>("typed"); // into the parameter fields, each followed by "AVANTI"
        QTest::addColumn<QString>("opened");    // through the picture menu first
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("two curves, a decimal comma and a point")
            << QStringList{"20;15;10;5;3;1;45;45", "22;14,5;8;6,25;0,3;1,5;30;60"} << QString()
            << QStringList{"--curve", "20;15;10;5;3;1;45;45", "--curve", "22;14.5;8;6.25;0.3;1,5;30;60"};
        QTest::newRow("the defaults") << QStringList{"20;15;10;5;3;1;45;45"} << QString() << QStringList();
        for (const char *format : {"png", "svg", "pdf"}) {
            const QString file = QFINDTESTDATA(QStringLiteral("data/elica-1.1.0.") + QLatin1String(format));
            QTest::newRow(QByteArray("a 1.1.0 ") + format) << QStringList() << file << QStringList{"--open", file};
        }
        const QString png = QFINDTESTDATA("data/elica-1.1.0.png");
        QTest::newRow("a file, then a curve in the colour after its last")
            << QStringList{"-20;15;10;5;-1,5;1;45;45"} << png << QStringList{"--open", png, "--curve", "-20;15;10;5;-1.5;1;45;45"};
    }

    void exportEqualsTheDrawingScreen()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, opened);
        QFETCH(QStringList, arguments);
        Answers recorder;
        recorder.answer = true;
        // Shown at its full size first; with no values taken yet, it draws nothing.
        Form4 &form = Single::instance<Form4>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.curves().size(), std::size_t(0));
        Form3 &fields = Single::instance<Form3>();
        if (!opened.isEmpty())
            dropFile(form, opened);
        for (const QString &values : typed) {
            const QStringList texts = values.split(u';');
            const QList<QLineEdit *> edits = {control<QLineEdit>(fields, "Text1"), control<QLineEdit>(fields, "Text2"), control<QLineEdit>(fields, "Text3"), control<QLineEdit>(fields, "Text4"),
                                              control<QLineEdit>(fields, "Text5"), control<QLineEdit>(fields, "Text6"), control<QLineEdit>(fields, "Text7"), control<QLineEdit>(fields, "Text8")};
            for (int i = 0; i < 8; ++i)
                edits[i]->setText(texts[i]);
            const std::size_t before = form.curves().size();
            control<QPushButton>(fields, "Command2")->click();
            QTRY_COMPARE(form.curves().size(), before + 1);
        }
        QVERIFY(recorder.messages.isEmpty());
        const Picture picture = form.picture();
        QTemporaryDir folder;
        for (const PictureFormats::Entry *format : PictureFormats::ofKind(PictureFormats::Kind::Picture)) {
            const QString windows = folder.filePath(QStringLiteral("finestre.") + QLatin1String(format->extension));
            const QString exported = folder.filePath(QStringLiteral("riga.") + QLatin1String(format->extension));
            QVERIFY(!PictureFormats::save(picture, windows, format->format));
            const Run result = run(arguments + QStringList{"--export", exported, "--aspect", "0,79", "--size", sizeText(picture.size)});
            QCOMPARE(result.err, QStringList());
            QCOMPARE(result.status, 0);
            if (format->format == PictureFormats::Format::Png)
                QVERIFY(savedIn(exported) == savedIn(windows));
            else
                QCOMPARE(savedIn(exported).document, savedIn(windows).document);
        }
    }

    void exportEqualsTheView_data()
    {
        QTest::addColumn<QString>("look"); // its menu entry
        QTest::addColumn<bool>("section");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("the dots") << "Punti" << false << QStringList();
        QTest::newRow("surfaces, cut") << "Superficie" << true << QStringList{"--look", "superficie", "--section"};
        QTest::newRow("surfaces and dots") << "Superficie e punti" << false << QStringList{"--look", "superficie-e-punti"};
    }

    // At the view's size and angles, with its legend, dot size and look: what its menu saves.
    void exportEqualsTheView()
    {
        QFETCH(QString, look);
        QFETCH(bool, section);
        QFETCH(QStringList, options);
        setParameters(22, 14.5, 8, 6.25, 0.3, 1.5, 30, 60);
        drawingScreen().Form_Activate();
        setParameters();
        drawingScreen().Form_Activate();
        View3D &view = Single::instance<View3D>();
        presentedView();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        ViewArea &area = areaOf(view);
        area.setAngles({30, 20.5});
        for (QAction *entry : menuOf(view).menu()->actions())
            if (entry->text() == QLatin1String("Legenda"))
                entry->trigger();
        for (QAction *entry : menuOf(view).menu()->findChildren<QAction *>())
            if (entry->text() == QLatin1String("3 pixel"))
                entry->trigger();
        for (QAction *entry : menuOf(view).menu()->actions())
            if (entry->text() == look || (section && entry->text() == QLatin1String("Sezione")))
                entry->trigger();
        QTemporaryDir folder;
        const QString windows = folder.filePath(QStringLiteral("vista.png"));
        const QString exported = folder.filePath(QStringLiteral("riga.png"));
        QVERIFY(!PictureFormats::save(view.picture(), windows, PictureFormats::Format::Png));
        const Run result = run(QStringList{"--export", exported, "--curve", "22;14,5;8;6,25;0,3;1,5;30;60", "--curve",
                                           "20;15;10;5;3;1;45;45", "--view", "30,20.5", "--legend", "--dot-size", "3", "--aspect",
                                           "0,75", "--size", sizeText(area.size())}
                               + options);
        QCOMPARE(result.err, QStringList());
        QCOMPARE(result.status, 0);
        QVERIFY(savedIn(exported) == savedIn(windows));
        QCOMPARE(savedIn(exported).document.view, std::optional<ViewAngles>(ViewAngles{30, 20.5}));
        QCOMPARE(savedIn(exported).document.section, section);

        // A picture of the view, opened, is the view's picture again.
        const QString again = folder.filePath(QStringLiteral("ancora.png"));
        const Run reopened = run({"--export", again, "--open", exported, "--legend", "--dot-size", "3", "--size", sizeText(area.size())});
        QCOMPARE(reopened.err, QStringList());
        QCOMPARE(reopened.status, 0);
        QVERIFY(savedIn(again) == savedIn(windows));
    }

    // The view's "Salva modello 3D…" and the command line, for the same curves, calibration,
    // angles and size: the same bytes, and the same curves left out of an STL.
    void exportEqualsTheViewsModel_data()
    {
        QTest::addColumn<QStringList>("curves");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("size"); // --model-size, if given
        QTest::addColumn<double>("millimetres");
        QTest::addColumn<QStringList>("told");
        const QStringList two{"22;14,5;8;6,25;0,3;1,5;30;60", "20;15;10;5;3;1;45;45"};
        const QString flat = QStringLiteral("20;15;10;0;3;1;45;45");
        const QString flatCurve2 = QStringLiteral("La curva 2 è piatta: non racchiude un volume e non entra nel modello STL.");
        QTest::newRow("stl, 100 mm") << two << "stl" << QString() << 100.0 << QStringList();
        QTest::newRow("glb, 37,5 mm") << two << "glb" << "37,5" << 37.5 << QStringList();
        QTest::newRow("ply, 250.5 mm") << two << "ply" << "250.5" << 250.5 << QStringList();
        QTest::newRow("stl, a flat curve left out") << QStringList{two[0], flat} << "stl" << "80" << 80.0 << QStringList{flatCurve2};
    }

    void exportEqualsTheViewsModel()
    {
        QFETCH(QStringList, curves);
        QFETCH(QString, extension);
        QFETCH(QString, size);
        QFETCH(double, millimetres);
        QFETCH(QStringList, told);
        Answers recorder;
        QStringList arguments;
        for (const QString &values : curves) {
            const QStringList v = QString(values).replace(u',', u'.').split(u';');
            setParameters(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(), v[4].toDouble(), v[5].toDouble(),
                          v[6].toDouble(), v[7].toDouble());
            drawingScreen().Form_Activate();
            arguments << QStringLiteral("--curve") << values;
        }
        View3D &view = Single::instance<View3D>();
        areaOf(view).setAngles({30, 20.5});
        QTemporaryDir folder;
        const QString windows = folder.filePath(QStringLiteral("vista.") + extension);
        const QString exported = folder.filePath(QStringLiteral("riga.") + extension);
        recorder.then({saveModel(millimetres, 0, windows)});
        for (QAction *entry : menuOf(view).menu()->actions())
            if (entry->text() == QStringLiteral("Salva modello 3D…"))
                entry->trigger();
        QCOMPARE(recorder.messages, told.isEmpty() ? QStringList() : QStringList{told.join(u'\n')});

        arguments << QStringLiteral("--export") << exported << QStringLiteral("--view") << QStringLiteral("30,20.5")
                  << QStringLiteral("--aspect") << QStringLiteral("0,75");
        if (!size.isEmpty())
            arguments << QStringLiteral("--model-size") << size;
        const Run result = run(arguments);
        QStringList toldHere;
        for (const QString &line : told)
            toldHere << QStringLiteral("elica: ") + line;
        QCOMPARE(result.err, toldHere);
        QCOMPARE(result.status, 0);
        QFile fromWindows(windows), fromLine(exported);
        QVERIFY(fromWindows.open(QIODevice::ReadOnly) && fromLine.open(QIODevice::ReadOnly));
        const QByteArray bytes = fromWindows.readAll();
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes == fromLine.readAll());
    }

    // A turn, a sweep or both, written as the view's "Salva animazione…" writes them: the first
    // frame is the view's picture at the same angles and size, and the words tell the motion.
    void exportAnimation_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("frames");
        QTest::addColumn<Motion>("motion");
        Sweep passo;
        passo.repeat = Repeat::Forward;
        Sweep once{CurveFields::ratio, -1, 1, 1, Repeat::Once};
        QTest::newRow("a turn") << QStringList{"--turn"} << 72 << Motion{Turn{}, std::nullopt};
        QTest::newRow("a turn of 2 seconds and a sweep of 4") << QStringList{"--turn", "2", "--sweep", "passo:0,5:2"} << 100
                                                              << Motion{Turn{2}, passo};
        QTest::newRow("a ratio once through 0") << QStringList{"--sweep", "rapporto:-1:1:1:una-volta"} << 26 << Motion{std::nullopt, once};
        // The words keep the first frame's ratio, which is never 0: the file opens again.
        QTest::newRow("a ratio from 0") << QStringList{"--sweep", "rapporto:0:2:1"} << 25
                                        << Motion{std::nullopt, Sweep{CurveFields::ratio, 0, 2, 1, Repeat::Forward}};
    }

    void exportAnimation()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, frames);
        QFETCH(Motion, motion);
        QTemporaryDir folder;
        const QString gif = folder.filePath(QStringLiteral("moto.gif"));
        const QString png = folder.filePath(QStringLiteral("vista.png"));
        const QStringList picture{"--curve", "22;14,5;8;6,25;0,3;1,5;30;60", "--curve", "20;15;10;5;3;1;45;45", "--size", "320x200"};
        const Run animation = run(picture + arguments + QStringList{"--export", gif, "--view", "30,20"});
        QCOMPARE(animation.err, QStringList());
        QCOMPARE(animation.status, 0);
        QImageReader reader(gif);
        QCOMPARE(reader.imageCount(), frames);
        const QImage first = reader.read().convertToFormat(QImage::Format_RGB32);
        const PictureReader::Reading reading = PictureReader::read(gif);
        QVERIFY(std::holds_alternative<PictureDocument>(reading));
        QCOMPARE(std::get<PictureDocument>(reading).motion, std::optional<Motion>(motion));
        // A sweep moves the last curve, over the others: without one the first frame is the still picture.
        if (!motion.sweep) {
            QCOMPARE(run(picture + QStringList{"--export", png, "--view", "30,20"}).status, 0);
            QCOMPARE(first, QImage(png).convertToFormat(QImage::Format_RGB32));
        }
    }

    void noDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no option") << QStringList();
        QTest::newRow("a toolkit option") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion")};
    }

    void noDisplay()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QStringList());
        QCOMPARE(result.err.size(), 1);
        QVERIFY2(result.err.first().startsWith(QStringLiteral("elica: nessuno schermo (DISPLAY e WAYLAND_DISPLAY "
                                                              "non impostati); per avviarlo senza schermo: xvfb-run -a ")),
                 qPrintable(result.err.first()));
    }

    void platformOptionStartsTheWindows()
    {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay(m_runtimeDir.path()));
        process.start(QStringLiteral(ELICA_BINARY), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(process.waitForStarted());
        // Started on the platform named, the program waits for its user.
        QVERIFY2(!process.waitForFinished(1500), process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
