// The 3D view's "Salva modello 3D…": its entry and shortcut, the toolkit's dialog with its size,
// the format chosen by the name or the filter, flat curves told and left out of the STL, failures
// that keep the old file, and the files as admesh and the Khronos validator read them. Nothing of
// the picture, the fields or the view changes.
#include "ModelClients.h"
#include "PictureSupport.h"
#include "TestSupport.h"
#include "curve/PictureNews.h"
#include "keeping/LastFolder.h"
#include "files/models/Model.h"
#include "files/PictureFormats.h"
#include "files/PictureReader.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using PictureFormats::Format;

const CurveValues defaults{20, 15, 10, 5, 3, 1, 45, 45};
const CurveValues other{22, 14.5, 8, 6.25, 0.3, 1.5, 30, 60};
const CurveValues flatD{20, 15, 10, 0, 3, 1, 45, 45};
const CurveValues flatStep{20, 15, 10, 5, 3, 0, 45, 45};
const ViewAngles seen{30, 20.5};

// The drawing screen having drawn the curves one by one, and the view turned away from its opening.
View3D &viewOf(const QList<CurveValues> &curves)
{
    Form4 &form = drawingScreen(QSize(320, 240));
    for (const CurveValues &v : curves) {
        setParameters(v.a, v.b, v.c, v.d, v.ratio, v.step, v.alpha, v.beta);
        form.Form_Activate();
    }
    View3D &view = Single::instance<View3D>();
    areaOf(view).setAngles(seen);
    return view;
}

QAction *modelEntry(const View3D &view)
{
    for (QAction *entry : menuOf(view).menu()->actions())
        if (entry->text() == QStringLiteral("Salva modello 3D…"))
            return entry;
    return nullptr;
}

// The model the view's picture makes, as the format writes it at that size.
QByteArray modelOf(Format format, const PictureCurves &curves, double millimetres = Model::defaultSide)
{
    return PictureFormats::of(format).write(Model({curves, seen}, millimetres));
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("none");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("%s not written", qPrintable(path));
}

const QStringList modelFilters{QStringLiteral("Modello STL per la stampa 3D (*.stl)"), QStringLiteral("Modello glTF binario (*.glb)"),
                               QStringLiteral("Nuvola di punti PLY (*.ply)")};
}

class ModelSaveTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Single::instance<View3D>(); }
    void cleanup() { Single::destroyAll(); }

    void entryAsksForTheModel_data();
    void entryAsksForTheModel();
    void toolkitDialog_data();
    void toolkitDialog();
    void flatCurvesLeftOut_data();
    void flatCurvesLeftOut();
    void failureKeepsTheOldFile_data();
    void failureKeepsTheOldFile();
    void clientsFindNothingWrong_data();
    void clientsFindNothingWrong();
};

void ModelSaveTest::entryAsksForTheModel_data()
{
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("from the menu") << false;
    QTest::newRow("Ctrl+Shift+M on the picture") << true;
}

// The dialog starts in the last folder with a dated name of the first format, offers the three
// formats and 100 mm; a name without extension takes the chosen filter's, and its folder is where
// the next dialog starts.
void ModelSaveTest::entryAsksForTheModel()
{
    QFETCH(bool, shortcut);
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    Answers recorder;
    View3D &view = viewOf({defaults, other});
    presentedView();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QAction *entry = modelEntry(view);
    QVERIFY(entry);
    QCOMPARE(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+M")));
    const OpenedState before = openedState(Single::instance<Form4>());

    QTemporaryDir folder;
    QStringList suggested;
    QStringList offered;
    const Step answer = [&](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        auto *size = window->findChild<QDoubleSpinBox *>(QStringLiteral("modelSize"));
        if (dialog && size && dialog->parentWidget() == &view) {
            suggested << dialog->selectedFiles().value(0);
            offered << dialog->nameFilters().join(u'|')
                    << QStringLiteral("%1 mm, %2 to %3").arg(size->value()).arg(size->minimum()).arg(size->maximum());
        }
        saveModel(42, 1, folder.filePath(QStringLiteral("modello")))(window);
    };
    const auto ask = [&] {
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        if (shortcut)
            QTest::keyClick(&areaOf(view), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        else
            entry->trigger();
    };
    recorder.then({answer});
    ask();
    QCOMPARE(suggested.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^%1/elica-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.stl$").arg(QRegularExpression::escape(home.path())))
                 .match(suggested[0])
                 .hasMatch(),
             qPrintable(suggested[0]));
    QCOMPARE(offered, (QStringList{modelFilters.join(u'|'), QStringLiteral("100 mm, 1 to 100000")}));
    QCOMPARE(recorder.messages, QStringList());
    const QString written = folder.filePath(QStringLiteral("modello.glb"));
    QCOMPARE(contentOf(written), modelOf(Format::Glb, before.curves, 42));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("modello.glb")});

    // The same name again: replaced once confirmed.
    recorder.then({answer, press(Qt::Key_Y)});
    ask();
    QCOMPARE(suggested.size(), 2);
    QCOMPARE(QFileInfo(suggested[1]).absolutePath(), folder.path());
    QVERIFY(openedState(Single::instance<Form4>()) == before);
}

void ModelSaveTest::toolkitDialog_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typedSize"); // nothing leaves the size as offered
    QTest::addColumn<QString>("written");
    QTest::addColumn<Format>("format");
    QTest::addColumn<double>("millimetres");
    QTest::newRow("STL filter, no extension, 37,5 mm") << 0 << "conchiglia" << "37,5" << "conchiglia.stl" << Format::Stl << 37.5;
    QTest::newRow("PLY filter, GLB typed, 250 mm") << 2 << "conchiglia.glb" << "250" << "conchiglia.glb" << Format::Glb << 250.0;
    QTest::newRow("GLB filter, the size offered") << 1 << "conchiglia" << "" << "conchiglia.glb" << Format::Glb << 100.0;
}

// The toolkit's save dialog, titled for the model, with its size below the name: 100 mm offered
// in the locale's numbers, typed like any number of the program.
void ModelSaveTest::toolkitDialog()
{
    QFETCH(int, filter);
    QFETCH(QString, name);
    QFETCH(QString, typedSize);
    QFETCH(QString, written);
    QFETCH(Format, format);
    QFETCH(double, millimetres);
    QTemporaryDir folder;
    qputenv("HOME", folder.path().toUtf8());
    Answers recorder;
    View3D &view = viewOf({defaults, other});
    presentedView();
    const OpenedState before = openedState(Single::instance<Form4>());
    QStringList seenInDialog;
    recorder.then({[&](QWidget *dialog) {
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        auto *size = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("modelSize"));
        if (!types || !size) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        QStringList offered;
        for (int i = 0; i < types->count(); ++i)
            offered << types->itemText(i);
        const QWidget *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const bool below = field && dialog->layout()->indexOf(size) >= 0
            && size->mapTo(dialog, QPoint()).y() > field->mapTo(dialog, QPoint()).y();
        seenInDialog << dialog->windowTitle() << offered.join(u'|') << size->text()
                     << (below ? QStringLiteral("below the name") : QStringLiteral("elsewhere"));
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            if (label->buddy() == size)
                seenInDialog << label->text();
        if (!typedSize.isEmpty()) {
            size->selectAll();
            QTest::keyClicks(size, typedSize);
        }
        typeName(filter, folder.filePath(name))(dialog);
    }});
    modelEntry(view)->trigger();
    QCOMPARE(seenInDialog, (QStringList{QStringLiteral("Salva modello 3D"), modelFilters.join(u'|'), QStringLiteral("100,0 mm"),
                                        QStringLiteral("below the name"), QStringLiteral("&Dimensione massima:")}));
    QCOMPARE(recorder.messages, QStringList());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(contentOf(folder.filePath(written)), modelOf(format, before.curves, millimetres));
    QVERIFY(openedState(Single::instance<Form4>()) == before);
}

void ModelSaveTest::flatCurvesLeftOut_data()
{
    QTest::addColumn<QList<CurveValues>>("curves");
    QTest::addColumn<Format>("format");
    QTest::addColumn<QList<int>>("flat"); // the curves told
    QTest::addColumn<QList<CurveValues>>("kept"); // the STL's curves, written alone
    QTest::newRow("STL, the second curve flat") << QList<CurveValues>{defaults, flatD, other} << Format::Stl << QList<int>{2}
                                                << QList<CurveValues>{defaults, other};
    QTest::newRow("STL, the first and the last flat") << QList<CurveValues>{flatStep, defaults, flatD} << Format::Stl
                                                      << QList<int>{1, 3} << QList<CurveValues>{defaults};
    QTest::newRow("STL, every curve flat") << QList<CurveValues>{flatD, flatStep} << Format::Stl << QList<int>{1, 2}
                                           << QList<CurveValues>();
    QTest::newRow("GLB keeps a flat curve's dots") << QList<CurveValues>{defaults, flatD} << Format::Glb << QList<int>()
                                                   << QList<CurveValues>();
    QTest::newRow("PLY keeps a flat curve's dots") << QList<CurveValues>{flatStep} << Format::Ply << QList<int>()
                                                   << QList<CurveValues>();
}

// One message names every curve left out of the STL, one sentence each; the STL is that of the
// other curves alone. With none left, nothing is written and the message says why first.
void ModelSaveTest::flatCurvesLeftOut()
{
    QFETCH(QList<CurveValues>, curves);
    QFETCH(Format, format);
    QFETCH(QList<int>, flat);
    QFETCH(QList<CurveValues>, kept);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("modello.") + QLatin1String(PictureFormats::of(format).extension));
    writeFile(path, "old");
    Answers recorder;
    View3D &view = viewOf(curves);
    const OpenedState before = openedState(Single::instance<Form4>());
    // The old file is replaced, once asked.
    recorder.then({saveModel(Model::defaultSide, 0, path), press(Qt::Key_Y)});
    modelEntry(view)->trigger();

    const bool noneLeft = format == Format::Stl && kept.isEmpty();
    QStringList told;
    if (noneLeft)
        told << PictureFormats::failedSave(PictureFormats::Kind::Model, path, ModelNotice::noSolid());
    for (int curve : flat)
        told << ModelNotice::flatCurve(curve);
    QCOMPARE(recorder.messages, told.isEmpty() ? QStringList() : QStringList{told.join(u'\n')});
    if (noneLeft) {
        QCOMPARE(contentOf(path), QByteArray("old"));
    } else if (format == Format::Stl) {
        PictureCurves alone;
        for (const CurveValues &v : kept)
            alone.push_back({1, v, 0.75});
        QCOMPARE(contentOf(path), modelOf(Format::Stl, alone));
    } else {
        const PictureReader::Reading reading = PictureReader::read(path);
        QVERIFY(std::holds_alternative<PictureDocument>(reading));
        QCOMPARE(std::get<PictureDocument>(reading).curves, before.curves);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
    QVERIFY(openedState(Single::instance<Form4>()) == before);
}

void ModelSaveTest::failureKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder that does not exist") << "manca/modello.stl" << "la cartella";
    // The temporary file beside it cannot be made: its name would be too long.
    QTest::newRow("existing file, no room for the temporary") << QString(251, QLatin1Char('x')) + ".glb" << "";
}

// One message names the file and the reason; the old file, the last folder and the picture stay.
void ModelSaveTest::failureKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const bool existing = !name.contains(QLatin1Char('/'));
    if (existing)
        writeFile(path, "old");
    QTemporaryDir last;
    LastFolder::rememberOf(last.filePath(QStringLiteral("prima.png")));
    Answers recorder;
    View3D &view = viewOf({defaults});
    const OpenedState before = openedState(Single::instance<Form4>());
    recorder.then({saveModel(Model::defaultSide, 0, path)});
    if (existing)
        recorder.then({press(Qt::Key_Y)});
    modelEntry(view)->trigger();

    QCOMPARE(recorder.messages.size(), 1);
    const QString prefix = QStringLiteral("Impossibile salvare il modello %1: ").arg(path);
    QVERIFY2(recorder.messages[0].startsWith(prefix + reason), qPrintable(recorder.messages[0]));
    QVERIFY(recorder.messages[0].size() > prefix.size());
    QCOMPARE(contentOf(path), existing ? QByteArray("old") : QByteArray("none"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), existing ? 1 : 0);
    QCOMPARE(LastFolder::get(), last.path());
    QVERIFY(openedState(Single::instance<Form4>()) == before);
}

void ModelSaveTest::clientsFindNothingWrong_data()
{
    QTest::addColumn<Format>("format");
    QTest::newRow("admesh, the STL") << Format::Stl;
    QTest::newRow("the Khronos validator, the GLB") << Format::Glb;
}

// What the view saves, a flat curve among others, as the real clients read it.
void ModelSaveTest::clientsFindNothingWrong()
{
    QFETCH(Format, format);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("modello"));
    Answers recorder;
    View3D &view = viewOf({defaults, flatD, other});
    recorder.then({saveModel(Model::defaultSide, format == Format::Stl ? 0 : 1, path)});
    modelEntry(view)->trigger();
    const QByteArray bytes = contentOf(path + QLatin1Char('.') + QLatin1String(PictureFormats::of(format).extension));
    QVERIFY(bytes.size() > 1000);
    if (format == Format::Stl) {
        const ClientReport admesh = admeshReport(bytes);
        if (!admesh.missing.isEmpty())
            QSKIP(qPrintable(admesh.missing));
        QCOMPARE(admeshCount(admesh.report, QStringLiteral("Number of parts")), 2);
        QCOMPARE(admeshFixes(admesh.report), QStringList());
    } else {
        const ClientReport validator = validatorReport(bytes);
        if (!validator.missing.isEmpty())
            QSKIP(qPrintable(validator.missing));
        QVERIFY2(validator.report.startsWith(QStringLiteral("errors 0 warnings 0 ")), qPrintable(validator.report));
    }
}

QTEST_MAIN(ModelSaveTest)
#include "tst_modelsave.moc"
