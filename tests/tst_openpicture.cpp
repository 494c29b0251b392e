// Opening a picture file: what each format carries back (three curves, decimal and negative values,
// a colour that has wrapped), the files of version 1.1.0, and every kind of file that is refused
// with one message while the picture, the fields, the colour counter and the 3D view stay as they were.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "curve/PictureNews.h"
#include "picture/AnimationWords.h"
#include "picture/MachineForm.h"
#include "files/models/Model.h"
#include "keeping/LastFolder.h"
#include "files/PictureFormats.h"
#include "keeping/PictureMenu.h"
#include "files/PictureReader.h"
#include "runtime/NumberText.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>
#include <bit>

Q_DECLARE_METATYPE(PictureDocument)
Q_DECLARE_METATYPE(ViewLook)

namespace {
using PictureFormats::Format;
const QSize pictureSize(320, 240);

// Three curves as "AVANTI" draws them: the counter at 13 makes them 14, 15 and, wrapped, 1.
const PictureCurves threeCurves = {
    {14, {12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60}, 0.75},
    {15, {-20, 15, 10, 5, -1.5, 1, 45, 45}, 0.75},
    {1, {0.1, 1e-7, 123456.789, 5, 1.0 / 3, -0.25, -30, 400}, 0.75},
};

Form4 &drawnThreeCurves()
{
    Form4 &form = drawingScreen(pictureSize);
    Single::instance<Form3>().Miocolor = 13;
    for (const PictureCurve &curve : threeCurves) {
        const CurveValues &v = curve.values;
        setParameters(v.a, v.b, v.c, v.d, v.ratio, v.step, v.alpha, v.beta);
        form.Form_Activate();
    }
    return form;
}


QString pathOf(const QTemporaryDir &folder, Format format)
{
    return folder.filePath(QStringLiteral("disegno.") + QLatin1String(PictureFormats::of(format).extension));
}

PictureDocument documentIn(const QString &path)
{
    const PictureReader::Reading reading = PictureReader::read(path);
    if (const QString *why = std::get_if<QString>(&reading))
        qWarning("%s: %s", qPrintable(path), qPrintable(*why));
    return std::get_if<PictureDocument>(&reading) ? std::get<PictureDocument>(reading) : PictureDocument{};
}

QByteArray svgCarrying(const QByteArray &form, const QByteArray &before = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + before
        + "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><title>ELICA + CHICCIOLA</title>"
          "<desc>Elica 1.2.0\nCurva 1</desc><metadata><picture xmlns=\"" + QByteArray(PictureFormats::of(Format::Svg).keys.formNamespace) + "\">" + form
        + "</picture></metadata></svg>\n";
}

const QByteArray oneCurve = "elica-picture 1\ncurve 1 20 15 10 5 3 1 45 45 0.75\n";

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
}

class OpenPictureTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Single::instance<View3D>(); }
    void cleanup() { Single::destroyAll(); }

    void roundTrip_data();
    void roundTrip();
    void filesOfVersion110_data();
    void filesOfVersion110();
    void filesOfVersion130_data();
    void filesOfVersion130();
    void lookTravelsWithTheFile_data();
    void lookTravelsWithTheFile();
    void refused_data();
    void refused();
    void viewAnglesTravelWithTheFile_data();
    void viewAnglesTravelWithTheFile();
    void machineFormKeepsEveryBit();
    void sizeCapOverHundredCurves();
};

void OpenPictureTest::roundTrip_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("how");
    QTest::newRow("png, from the dialog") << Format::Png << "dialog";
    QTest::newRow("svg, dropped") << Format::Svg << "drop";
    QTest::newRow("pdf, from the dialog") << Format::Pdf << "dialog";
}

namespace {
// Through the menu's dialog, which starts in the folder of the last picture saved, or by a drop.
void openThrough(Answers &recorder, const QString &how, Form4 &form, const QString &path)
{
    if (how == QLatin1String("drop"))
        return dropFile(form, path);
    recorder.then({[&form, path](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        QVERIFY(dialog && dialog->parentWidget() == &form);
        QCOMPARE(dialog->directory().absolutePath(), QFileInfo(path).absolutePath());
        QCOMPARE(dialog->nameFilters(), (QStringList{QStringLiteral("Immagini di Elica (*.png *.svg *.pdf *.gif *.webp *.mp4 *.webm *.glb *.ply)"),
                                                     QStringLiteral("Tutti i file (*)")}));
        typeName(0, path)(dialog);
    }});
    menuOf(form).open();
    QVERIFY(recorder.done());
}
}

// Open, then save: the same machine form, the same pixels; the fields show the last curve and the
// next "AVANTI" takes the colour after it. A picture that holds curves is replaced only on "Sì".
void OpenPictureTest::roundTrip()
{
    QFETCH(Format, format);
    QFETCH(QString, how);
    Answers recorder;
    Form4 &form = drawnThreeCurves();
    QTemporaryDir folder;
    const QString saved = pathOf(folder, format);
    QVERIFY(!PictureFormats::save(form.picture(), saved, format));
    LastFolder::rememberOf(saved);
    const QImage drawn = form.surface().image();

    control<QPushButton>(form, "Command2")->click();
    setParameters(1, 2, 3, 4, 5, 6, 7, 8);
    Single::instance<Form3>().Miocolor = 5;
    openThrough(recorder, how, form, saved);
    QVERIFY(recorder.messages.isEmpty() && recorder.questions.isEmpty());
    QCOMPARE(form.curves(), threeCurves);
    QCOMPARE(form.surface().image(), drawn);
    Form3 &set = Single::instance<Form3>();
    QCOMPARE(int(set.Miocolor), 1);
    QCOMPARE(control<QLineEdit>(set, "Text3")->text(), NumberText::fromDouble(123456.789));
    QCOMPARE(set.VALe.number(), 1.0 / 3);

    const QString again = folder.filePath(QStringLiteral("di nuovo.") + QLatin1String(PictureFormats::of(format).extension));
    QVERIFY(!PictureFormats::save(form.picture(), again, format));
    QCOMPARE(documentIn(again), documentIn(saved));
    QCOMPARE(documentIn(saved).curves, threeCurves);
    if (format == Format::Png)
        QCOMPARE(QImage(again), QImage(saved));

    control<QPushButton>(set, "Command2")->click();
    QTRY_COMPARE(form.curves().size(), std::size_t(4));
    QCOMPARE(form.curves().back().colour, 2);
    const OpenedState before = openedState(form);
    dropFile(form, saved);
    QCOMPARE(recorder.questions, QStringList{QStringLiteral("Il disegno attuale sarà sostituito da quello del file «%1». Continuare?")
                                                 .arg(QFileInfo(saved).fileName())});
    QVERIFY(openedState(form) == before);
    recorder.answer = true;
    dropFile(form, saved);
    QCOMPARE(form.curves(), threeCurves);
    QVERIFY(recorder.messages.isEmpty());
}

void OpenPictureTest::filesOfVersion110_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "elica-1.1.0.png";
    QTest::newRow("svg") << "elica-1.1.0.svg";
    QTest::newRow("pdf") << "elica-1.1.0.pdf";
}

// Those files carry their curves in words alone; drawn again at the calibration and size they were
// saved at (0,75, 320 x 240), the picture is their PNG's to the pixel.
void OpenPictureTest::filesOfVersion110()
{
    QFETCH(QString, name);
    Answers recorder;
    const QString path = QFINDTESTDATA(QStringLiteral("data/") + name);
    Form4 &form = drawingScreen(pictureSize);
    dropFile(form, path);
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join('\n')));
    const PictureCurves wanted = {{15, {12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60}, 0.75}, {1, {-20, 15, 10, 5, -1.5, 1, 45, 45}, 0.75}};
    QCOMPARE(form.curves(), wanted);
    QCOMPARE(form.picture().image, QImage(QFINDTESTDATA("data/elica-1.1.0.png")).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(int(Single::instance<Form3>().Miocolor), 1);
}

void OpenPictureTest::filesOfVersion130_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PictureDocument>("document");
    const CurveValues first{12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60};
    const CurveValues second{-20, 15, 10, 5, -1.5, 1, 45, 45};
    CurveValues swept = second;
    swept.step = 0.5;
    const ViewAngles turned{30, 20};
    const ViewAngles opening{45, 35.264389682754654};
    const PictureCurves both{{1, first, 0.75}, {2, second, 0.75}};
    // Written by elica --export of that version; the models at the aspect factor of the view's
    // size, 1280 x 720.
    QTest::newRow("png") << "elica-1.3.0.png" << PictureDocument{both, std::nullopt};
    QTest::newRow("svg of the view") << "elica-1.3.0-vista.svg" << PictureDocument{{{1, first, 0.75}}, turned};
    QTest::newRow("pdf of the view") << "elica-1.3.0-vista.pdf" << PictureDocument{both, turned};
    QTest::newRow("gif, a turn and a sweep")
        << "elica-1.3.0.gif"
        << PictureDocument{{{1, first, 0.75}, {2, swept, 0.75}}, opening, Motion{Turn{1}, Sweep{5, 0.5, 2, 1, Repeat::BackAndForth}}};
    QTest::newRow("webp, a turn") << "elica-1.3.0.webp" << PictureDocument{both, opening, Motion{Turn{1}, std::nullopt}};
    QTest::newRow("glb") << "elica-1.3.0.glb" << PictureDocument{{{1, first, 0.5700000000000001}}, turned};
    QTest::newRow("ply") << "elica-1.3.0.ply" << PictureDocument{{{1, first, 0.5700000000000001}}, turned};
}

// Every kind of file the previous version wrote opens to the document it was made of.
void OpenPictureTest::filesOfVersion130()
{
    QFETCH(QString, name);
    QFETCH(PictureDocument, document);
    const PictureReader::Reading reading = PictureReader::read(QFINDTESTDATA(QStringLiteral("data/") + name));
    if (const QString *why = std::get_if<QString>(&reading))
        QFAIL(qPrintable(*why));
    QCOMPARE(std::get<PictureDocument>(reading), document);
}

void OpenPictureTest::lookTravelsWithTheFile_data()
{
    QTest::addColumn<QString>("file"); // a format's extension to save in, or a file of 1.3.0 to open
    QTest::addColumn<ViewLook>("look");
    QTest::addColumn<bool>("section");
    for (const PictureFormats::Entry &entry : PictureFormats::all())
        if (entry.kind != PictureFormats::Kind::Model)
            QTest::newRow(entry.extension) << QString::fromLatin1(entry.extension) << ViewLook::surfaceAndDots << true;
    QTest::newRow("png, surfaces uncut") << "png" << ViewLook::surface << false;
    QTest::newRow("png, dots cut") << "png" << ViewLook::dots << true;
    // Before the looks: the dots, uncut.
    QTest::newRow("a picture of the view by 1.3.0") << "data/elica-1.3.0-vista.svg" << ViewLook::dots << false;
}

// A picture or an animation saved from the view keeps its look; opened, the view takes it again.
void OpenPictureTest::lookTravelsWithTheFile()
{
    QFETCH(QString, file);
    QFETCH(ViewLook, look);
    QFETCH(bool, section);
    Answers recorder;
    recorder.answer = true;
    drawnThreeCurves();
    View3D &view = Single::instance<View3D>();
    view.resize(320, 240);
    ViewArea &area = areaOf(view);
    area.setLook(look);
    area.setSection(section);
    QTemporaryDir folder;
    QString path;
    if (file.startsWith(QLatin1String("data/"))) {
        path = QFINDTESTDATA(file);
    } else {
        const PictureFormats::Entry *format = PictureFormats::ofPath(QStringLiteral("x.") + file);
        QVERIFY(format);
        path = folder.filePath(QStringLiteral("vista.") + file);
        if (format->kind == PictureFormats::Kind::Picture) {
            QVERIFY(!PictureFormats::save(view.picture(), path, format->format));
        } else {
            PictureDocument document = view.picture().document;
            document.motion = Motion{Turn{}, std::nullopt};
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            const std::unique_ptr<AnimationWriter> writer = format->write(out, QSize(64, 48), AnimationWords::of(document), true);
            QVERIFY(writer->addFrame(QImage(64, 48, QImage::Format_RGB32), 4) && writer->finish());
        }
    }
    area.setLook(look == ViewLook::dots ? ViewLook::surface : ViewLook::dots);
    area.setSection(!section);
    dropFile(view, path);
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(u'\n')));
    QCOMPARE(area.look(), look);
    QCOMPARE(area.section(), section);
}

void OpenPictureTest::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QByteArray photo;
    {
        QBuffer buffer(&photo);
        buffer.open(QIODevice::WriteOnly);
        QImage(40, 30, QImage::Format_RGB32).save(&buffer, "png");
    }
    QFile fixture(QFINDTESTDATA("data/elica-1.1.0.png"));
    fixture.open(QIODevice::ReadOnly);
    const QByteArray png = fixture.readAll();
    const QByteArray svg = svgCarrying(oneCurve);
    QTest::newRow("a photo") << "foto.png" << photo << "il file non è un'immagine di Elica";
    QTest::newRow("an SVG named .png") << "disegno.png" << svg << "il nome dice .png, ma il contenuto non è un'immagine PNG";
    QTest::newRow("a text") << "testo.txt" << QByteArray("curve 1 20 15\n") << "il file non è un'immagine di Elica (PNG, SVG, PDF, GIF, WebP, MP4, WebM, GLB o PLY)";
    QTest::newRow("empty") << "vuoto.svg" << QByteArray() << "il file è vuoto";
    QTest::newRow("PNG cut short") << "corto.png" << png.left(png.size() * 2 / 3) << "l'immagine PNG è danneggiata o incompleta";
    QTest::newRow("SVG cut short") << "corto.svg" << svg.left(svg.size() - 20) << "il file SVG è danneggiato o incompleto";
    QTest::newRow("a malformed PDF") << "rotto.pdf" << QByteArray("%PDF-1.4\n1 0 obj << /Type /Catalog >>\n%%EOF") << "il PDF è danneggiato";
    QTest::newRow("entities that grow") << "bomba.svg"
                                       << svgCarrying(oneCurve, "<!DOCTYPE svg [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>\n")
                                       << "dichiarazione di tipo di documento";
    QTest::newRow("an external entity") << "fuori.svg" << svgCarrying("&x;", "<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n")
                                        << "dichiarazione di tipo di documento";
    QTest::newRow("not a number") << "nan.svg" << svgCarrying("elica-picture 1\ncurve 1 nan 15 10 5 3 1 45 45 0.75\n") << "illeggibili alla riga 2";
    QTest::newRow("infinite") << "inf.svg" << svgCarrying("elica-picture 1\ncurve 1 20 15 1e999 5 3 1 45 45 0.75\n") << "illeggibili alla riga 2";
    QTest::newRow("ratio 0") << "zero.svg" << svgCarrying("elica-picture 1\ncurve 1 20 15 10 5 -0 1 45 45 0.75\n") << "il rapporto è 0";
    QTest::newRow("colour 16") << "colore.svg" << svgCarrying("elica-picture 1\ncurve 16 20 15 10 5 3 1 45 45 0.75\n") << "colore 16";
    QTest::newRow("no curve") << "niente.svg" << svgCarrying("elica-picture 1\n") << "non contiene curve";
    QTest::newRow("too many curves") << "troppe.svg" << svgCarrying("elica-picture 1\n" + QByteArray("curve 1 20 15 10 5 3 1 45 45 0.75\n").repeated(1001))
                                     << "più di 1000 curve";
    QTest::newRow("a later version") << "nuovo.svg" << svgCarrying(laterForm() + "curve 1 20 15 10 5 3 1 45 45 0.75\n")
                                     << "versione più recente";
    QTest::newRow("a factor no calibration gives") << "fattore.svg" << svgCarrying("elica-picture 1\ncurve 1 20 15 10 5 3 1 45 45 7\n")
                                                   << "fuori dalla calibrazione";
    QTest::newRow("an elevation over 90") << "vista.svg" << svgCarrying(oneCurve + "view 45 91\n") << "oltre 90 gradi";
    // A look came with version 2: a form of version 1 that names one is none Elica wrote.
    QTest::newRow("a look in a form of version 1") << "aspetto.svg" << svgCarrying(oneCurve + "view 45 30\nlook superficie\n")
                                                   << "illeggibili alla riga 4";
    QTest::newRow("a look not known") << "aspetto.svg"
                                      << svgCarrying("elica-picture 2\ncurve 1 20 15 10 5 3 1 45 45 0.75\nview 45 30\nlook nebbia\n")
                                      << "illeggibili alla riga 4";
    QTest::newRow("a look without a view") << "aspetto.svg"
                                           << svgCarrying("elica-picture 2\ncurve 1 20 15 10 5 3 1 45 45 0.75\nlook superficie\n")
                                           << "illeggibili alla riga 3";
    // A model of the same curves: the STL holds none of their values.
    const Model model({threeCurves, ViewAngles{30, 20}});
    const QByteArray glb = PictureFormats::of(Format::Glb).write(model);
    const QByteArray ply = PictureFormats::of(Format::Ply).write(model);
    QTest::newRow("an STL") << "modello.stl" << PictureFormats::of(Format::Stl).write(model) << "un modello STL non porta i valori delle curve";
    QTest::newRow("GLB cut short") << "corto.glb" << glb.left(glb.size() / 2) << "il modello GLB è danneggiato o incompleto";
    QTest::newRow("PLY cut short") << "corto.ply" << ply.left(ply.size() - 7) << "il modello PLY è danneggiato o incompleto";
    QTest::newRow("a folder") << "cartella.svg" << QByteArray("folder") << "è una cartella";
    QTest::newRow("gone") << "sparito.svg" << QByteArray("gone") << "il file non esiste";
    QTest::newRow("over the size cap") << "enorme.svg" << QByteArray("huge") << "il file è troppo grande";
}

void OpenPictureTest::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (content == "folder") {
        QVERIFY(QDir(folder.path()).mkdir(name));
    } else if (content != "gone") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        // Sparse: no disk is filled, and nothing of it may be read.
        if (content == "huge")
            QVERIFY(file.resize(PictureReader::maxBytes + 1));
    }
    Answers recorder;
    recorder.answer = true;
    Form4 &form = drawnThreeCurves();
    areaOf(Single::instance<View3D>()).turn(10, -5);
    const OpenedState before = openedState(form);
    dropFile(form, path);
    QCOMPARE(recorder.messages.size(), 1);
    const QString prefix = QStringLiteral("Impossibile aprire l'immagine «%1»: ").arg(QDir::toNativeSeparators(path));
    QVERIFY2(recorder.messages[0].startsWith(prefix) && recorder.messages[0].contains(reason), qPrintable(recorder.messages[0]));
    QVERIFY(recorder.questions.isEmpty());
    QVERIFY(openedState(form) == before);
}

void OpenPictureTest::viewAnglesTravelWithTheFile_data()
{
    QTest::addColumn<Format>("format");
    for (const PictureFormats::Entry &entry : PictureFormats::all())
        if (entry.kind == PictureFormats::Kind::Picture || (entry.kind == PictureFormats::Kind::Model && entry.recognises))
            QTest::newRow(entry.extension) << entry.format;
}

// A picture or a model saved from the 3D view says its angles in words and in its exact form;
// opened from either window, the view takes them again.
void OpenPictureTest::viewAnglesTravelWithTheFile()
{
    QFETCH(Format, format);
    Answers recorder;
    recorder.answer = true;
    drawnThreeCurves();
    View3D &view = Single::instance<View3D>();
    view.resize(500, 400);
    areaOf(view).turn(-50, 20.5);
    const ViewAngles turned = areaOf(view).turntable().angles();
    QTemporaryDir folder;
    const QString saved = pathOf(folder, format);
    if (PictureFormats::of(format).kind == PictureFormats::Kind::Model) {
        recorder.then({saveModel(Model::defaultSide, 0, saved)});
        for (QAction *entry : menuOf(view).menu()->actions())
            if (entry->text() == QStringLiteral("Salva modello 3D…"))
                entry->trigger();
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(u'\n')));
    } else {
        QVERIFY(!PictureFormats::save(view.picture(), saved, format));
    }
    const PictureDocument document = documentIn(saved);
    QCOMPARE(document.curves, threeCurves);
    QCOMPARE(document.view, turned);
    QVERIFY(PictureWords::description(document).endsWith(QStringLiteral("\nVista 3D: azimut 355°, elevazione 55,8°")));

    areaOf(view).openingView();
    Form3 &set = Single::instance<Form3>();
    control<QLineEdit>(set, "Text3")->setText(QStringLiteral("7"));
    set.Miocolor = 5;
    dropFile(view, saved);
    QCOMPARE(recorder.questions.size(), 1);
    QCOMPARE(areaOf(view).turntable().angles(), turned);
    QCOMPARE(Single::instance<Form4>().curves(), threeCurves);
    QCOMPARE(control<QLineEdit>(set, "Text3")->text(), NumberText::fromDouble(123456.789));
    QCOMPARE(int(set.Miocolor), 1);
    QVERIFY(recorder.messages.isEmpty());
}

// Numbers come back to the bit, the view's angles too; the form names its version first.
void OpenPictureTest::machineFormKeepsEveryBit()
{
    const PictureDocument document{{{0, {0.1, -0.0, 5e-324, 1.7976931348623157e308, 1.0 / 3, -2.5e-300, 1e15 + 0.5, -45}, 0.51},
                                    {15, {20, 15, 10, 5, 3, 1, 45, 45}, 1.1100000000000001}},
                                   ViewAngles{359.5, -89.75}};
    const QByteArray text = MachineForm::write(document);
    QVERIFY(text.startsWith("elica-picture 1\ncurve 0 0.1 -0 5e-324 "));
    // Only a look beyond the dots makes a form of version 2, which the versions before refuse.
    PictureDocument looked = document;
    looked.look = ViewLook::surface;
    looked.section = true;
    const QByteArray lookedText = MachineForm::write(looked);
    QVERIFY(lookedText.startsWith("elica-picture 2\n") && lookedText.endsWith("view 359.5 -89.75\nlook superficie sezione\n"));
    QCOMPARE(std::get<PictureDocument>(MachineForm::read(lookedText)), looked);
    const auto read = MachineForm::read(text);
    QVERIFY(std::holds_alternative<PictureDocument>(read));
    const PictureDocument &back = std::get<PictureDocument>(read);
    QCOMPARE(back, document);
    const CurveValues &v = back.curves[0].values;
    QVERIFY(sameBits(v.b, -0.0) && sameBits(v.c, 5e-324) && sameBits(v.ratio, 1.0 / 3));
}

// The cap is at least ten times the largest file that 100 curves make: an SVG of far dots on a
// scaled screen, whose numbers are longest.
void OpenPictureTest::sizeCapOverHundredCurves()
{
    Form4 &form = drawingScreen(QSize(2560, 1440));
    form.surface().resize(QSize(2560, 1440), 1.75, 96.0);
    PictureDocument document;
    for (int k = 0; k < 100; ++k)
        document.curves.push_back({k % 15 + 1, {-1.23456789e7 - k, 1.3e7, 1.1e6, 9.9e5, -3.7, 1.5e5, 33.3, 71.7}, 0.75});
    form.drawPicture(document, 0.75);
    const qsizetype bytes = PictureFormats::of(Format::Svg).write(form.picture()).size();
    qInfo("SVG of 100 far curves: %lld bytes", qlonglong(bytes));
    QVERIFY(bytes > 50'000'000);
    QVERIFY(PictureReader::maxBytes >= 10 * bytes);
}

QTEST_MAIN(OpenPictureTest)
#include "tst_openpicture.moc"
