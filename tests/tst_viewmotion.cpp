// The 3D view in motion: the strip that moves a value of the fields' curve while the screens stay
// as they were, its refusals, "Usa questo valore", and the motion saved in the background, held
// against the view's own picture, cancelled or failing without leaving anything behind.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "curve/PictureNews.h"
#include "keeping/LastFolder.h"
#include "files/PictureFormats.h"
#include "files/PictureReader.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImageReader>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// What the motion must leave alone: the drawing screen, the fields and the colour counter.
struct Screens {
    PictureCurves curves;
    QImage picture;
    QStringList fields;
    int colour;
    bool operator==(const Screens &) const = default;
};
Screens screens()
{
    return {Single::instance<Form4>().curves(), Single::instance<Form4>().surface().image(),
            openedState(Single::instance<Form4>()).fields, Single::instance<Form3>().Miocolor};
}

QAction *entry(const View3D &view, const QString &text)
{
    for (QAction *action : menuOf(view).menu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QWidget *strip(const View3D &view)
{
    return view.findChild<QWidget *>(QStringLiteral("SweepStrip"));
}

QLineEdit *bound(const View3D &view, const char *name)
{
    for (QLineEdit *edit : strip(view)->findChildren<QLineEdit *>())
        if (edit->accessibleName() == QLatin1String(name))
            return edit;
    return nullptr;
}

// The drawing screen with the default curve, and the view shown beside it.
View3D &viewOfOneCurve()
{
    setParameters();
    drawingScreen().Form_Activate();
    View3D &view = Single::instance<View3D>();
    view.present();
    if (!QTest::qWaitForWindowExposed(&view))
        qWarning("the view did not come up");
    return view;
}

std::optional<CurveModel::Point> movingLastPoint(const View3D &view)
{
    const std::optional<CurveCloud::Curve> &moving = areaOf(view).cloud().preview();
    return moving ? std::optional(moving->points->back()) : std::nullopt;
}
}

class ViewMotionTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Single::instance<Form2>().Incr = 0.75; }
    void cleanup() { Single::destroyAll(); }

    void valueMovesAndNothingElse();
    void refusedInTheStrip_data();
    void refusedInTheStrip();
    void useThisValueThenAvanti();
    void savedTurnStartsAtTheViewsPicture();
    void openedMotionReachesTheStrip();
    void savingCancelledOrFailedLeavesNothing_data();
    void savingCancelledOrFailedLeavesNothing();
};

// A shows the strip and the passo of the fields' curve moves, in the next colour, over the
// picture; the screens are as they were; Escape gives back the view as it was.
void ViewMotionTest::valueMovesAndNothingElse()
{
    ProgramRecorder recorder;
    View3D &view = viewOfOneCurve();
    const Screens before = screens();
    const QImage still = areaOf(view).frame().copy();
    const QSize size = areaOf(view).size();
    QTest::keyClick(&areaOf(view), Qt::Key_A);
    QVERIFY(strip(view)->isVisible());
    QCOMPARE(bound(view, "da")->text(), QStringLiteral("0,5"));
    QCOMPARE(bound(view, "a")->text(), QStringLiteral("1,5"));
    QVERIFY2(statusOf(view).contains(QStringLiteral("; anima passo: ")), qPrintable(statusOf(view)));
    QCOMPARE(areaOf(view).cloud().preview()->colour, qRgb(0, 128, 0));
    const std::optional<CurveModel::Point> first = movingLastPoint(view);
    QVERIFY(first);
    QTRY_VERIFY(movingLastPoint(view) != first);
    // Z of the last point is passo × 2π(1 + rapporto): the passo stays between its bounds.
    const double passo = movingLastPoint(view)->Z / (2 * M_PI * 4);
    QVERIFY2(passo >= 0.5 - 1e-6 && passo <= 1.5 + 1e-6, qPrintable(QString::number(passo)));
    QVERIFY(screens() == before);
    QVERIFY(recorder.messages.isEmpty());

    QTest::keyClick(&areaOf(view), Qt::Key_Escape);
    QVERIFY(!strip(view)->isVisible());
    QVERIFY(!entry(view, QStringLiteral("Anima un valore…"))->isChecked());
    QTRY_COMPARE(areaOf(view).size(), size);
    QCOMPARE(areaOf(view).frame(), still);
    QCOMPARE(statusOf(view), QStringLiteral("Azimut 45°, elevazione 35,3°, ingrandimento 100%"));
}

void ViewMotionTest::refusedInTheStrip_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("field"); // Text1's text
    QTest::addColumn<QString>("word");
    QTest::newRow("a bound that is no number") << "uno" << "20" << "«da» e «a» vogliono due numeri diversi";
    QTest::newRow("equal bounds") << "1,5" << "20" << "«da» e «a» vogliono due numeri diversi";
    QTest::newRow("another field that is no number") << "0,5" << "x" << "valori non validi";
}

// The strip says why in a word, and nothing moves; nothing else happens.
void ViewMotionTest::refusedInTheStrip()
{
    QFETCH(QString, from);
    QFETCH(QString, field);
    QFETCH(QString, word);
    ProgramRecorder recorder;
    View3D &view = viewOfOneCurve();
    Single::instance<Form3>().Text1->setText(field);
    QTest::keyClick(&areaOf(view), Qt::Key_A);
    QLineEdit *first = bound(view, "da");
    first->selectAll();
    QTest::keyClicks(first, from);
    QTRY_VERIFY(!strip(view)->findChildren<QLabel *>().isEmpty());
    bool said = false;
    for (const QLabel *label : strip(view)->findChildren<QLabel *>())
        said = said || label->text() == word;
    QVERIFY(said);
    QVERIFY(!movingLastPoint(view));
    QVERIFY(recorder.messages.isEmpty() && recorder.endings.isEmpty());
}

// The slider stops the motion at a place; "Usa questo valore" types that value into PASSO as the
// keyboard would, and the next "AVANTI" draws it.
void ViewMotionTest::useThisValueThenAvanti()
{
    ProgramRecorder recorder;
    View3D &view = viewOfOneCurve();
    QTest::keyClick(&areaOf(view), Qt::Key_A);
    auto *slider = strip(view)->findChild<QSlider *>();
    slider->setSliderDown(true);
    slider->setSliderPosition(750);
    slider->setSliderDown(false);
    QVERIFY(statusOf(view).endsWith(QStringLiteral("anima passo: 1,25")));
    for (QPushButton *button : strip(view)->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("&Usa questo valore"))
            button->click();
    Form3 &fields = Single::instance<Form3>();
    QCOMPARE(fields.Text6->text(), QStringLiteral("1,25"));
    QVERIFY(fields.Text6->isUndoAvailable());
    fields.Command2_Click();
    QTRY_COMPARE(Single::instance<Form4>().curves().size(), std::size_t(2));
    QCOMPARE(Single::instance<Form4>().curves().back().values.step, 1.25);
    QVERIFY(recorder.messages.isEmpty());
}

// A full turn saved from the view: 72 frames, the first the view's own picture to the pixel, the
// words of the picture and of the turn, and the folder remembered.
void ViewMotionTest::savedTurnStartsAtTheViewsPicture()
{
    ProgramRecorder recorder;
    View3D &view = viewOfOneCurve();
    areaOf(view).setAngles({30, 20});
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("giro"));
    recorder.motion = Dialogs::MotionChoice{true, false, 2.88};
    recorder.save = [&](QWidget *, const QString &suggested, const QStringList &filters) {
        return suggested.endsWith(QLatin1String(".gif")) && filters.size() == 4 ? std::optional(Dialogs::SaveChoice{path, 0})
                                                                                 : std::nullopt;
    };
    const QSize size = areaOf(view).size();
    entry(view, QStringLiteral("Salva animazione…"))->trigger();
    QCOMPARE(recorder.told, QStringList{QStringLiteral("2,88 s, 72 fotogrammi")});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path + QStringLiteral(".gif")), 20000);
    QTRY_VERIFY(!view.findChild<QWidget *>(QStringLiteral("AnimationProgress"))->isVisible());
    // The progress row has given the picture back its room.
    QTRY_COMPARE(areaOf(view).size(), size);
    QImageReader gif(path + QStringLiteral(".gif"));
    QCOMPARE(gif.imageCount(), 72);
    QCOMPARE(gif.read().convertToFormat(QImage::Format_RGB32), view.picture().image.convertToFormat(QImage::Format_RGB32));
    const PictureReader::Reading reading = PictureReader::read(path + QStringLiteral(".gif"));
    QVERIFY(std::holds_alternative<PictureDocument>(reading));
    const PictureDocument &document = std::get<PictureDocument>(reading);
    QCOMPARE(document.curves, Single::instance<Form4>().curves());
    QCOMPARE(document.view, std::optional<ViewAngles>(ViewAngles{30, 20}));
    QCOMPARE(document.motion, std::optional<Motion>(Motion{Turn{}, std::nullopt}));
    QCOMPARE(LastFolder::get(), folder.path());
    QVERIFY(recorder.messages.isEmpty());
}

// A file that moved a value, opened, leaves its sweep in the strip: the next A moves it so.
void ViewMotionTest::openedMotionReachesTheStrip()
{
    ProgramRecorder recorder;
    recorder.answer = true;
    View3D &view = viewOfOneCurve();
    PictureDocument moving{{{2, {20, 15, 10, 5, 3, 1, 45, 45}, 0.75}}, ViewAngles{10, 5}, Motion{std::nullopt, Sweep{0, 3, 7, 9, Repeat::Once}}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("moto.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::unique_ptr<AnimationWriter> writer =
        PictureFormats::of(PictureFormats::Format::Gif).write(file, QSize(8, 8), AnimationWords::of(moving), false);
    QVERIFY(writer->addFrame(QImage(8, 8, QImage::Format_RGB32), 4) && writer->finish());
    file.close();
    menuOf(view).openPath(path);
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(areaOf(view).turntable().angles(), (ViewAngles{10, 5}));
    QTest::keyClick(&areaOf(view), Qt::Key_A);
    QCOMPARE(bound(view, "da")->text(), QStringLiteral("3"));
    QCOMPARE(bound(view, "a")->text(), QStringLiteral("7"));
    QStringList shown;
    for (const QComboBox *box : strip(view)->findChildren<QComboBox *>())
        shown << box->currentText();
    QCOMPARE(shown, (QStringList{QStringLiteral("a"), QStringLiteral("una volta")}));
    QCOMPARE(strip(view)->findChild<QDoubleSpinBox *>()->value(), 9.0);
    QVERIFY(statusOf(view).contains(QStringLiteral("anima a: ")));
}

void ViewMotionTest::savingCancelledOrFailedLeavesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << "vecchia.webp" << true << QString();
    QTest::newRow("a folder that does not exist") << "manca/nuova.webp" << false << "Impossibile salvare l'animazione FOLDER/manca/nuova.webp: la cartella";
}

// "Annulla", or a file that cannot be written: the old file as it was, nothing else in its folder,
// and the view usable all the while.
void ViewMotionTest::savingCancelledOrFailedLeavesNothing()
{
    QFETCH(QString, name);
    QFETCH(bool, cancel);
    QFETCH(QString, message);
    ProgramRecorder recorder;
    View3D &view = viewOfOneCurve();
    QTemporaryDir folder;
    QFile old(folder.filePath(QStringLiteral("vecchia.webp")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    recorder.motion = Dialogs::MotionChoice{true, false, 60};
    recorder.save = [&](QWidget *, const QString &, const QStringList &) { return std::optional(Dialogs::SaveChoice{folder.filePath(name), 0}); };
    entry(view, QStringLiteral("Salva animazione…"))->trigger();
    QWidget *progress = view.findChild<QWidget *>(QStringLiteral("AnimationProgress"));
    if (cancel) {
        QVERIFY(progress->isVisible());
        QTest::keyClick(&areaOf(view), Qt::Key_Right);
        QVERIFY(statusOf(view).startsWith(QStringLiteral("Azimut 50°")));
        progress->findChild<QPushButton *>()->click();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!progress->isVisible(), 20000);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("vecchia.webp")});
    if (message.isEmpty()) {
        QVERIFY(recorder.messages.isEmpty());
    } else {
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY2(recorder.messages.front().startsWith(QString(message).replace(QStringLiteral("FOLDER"), folder.path())),
                 qPrintable(recorder.messages.front()));
    }
}

QTEST_MAIN(ViewMotionTest)
#include "tst_viewmotion.moc"
