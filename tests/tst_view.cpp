// The 3D view: its turntable, how its frame follows the keys, a drag, the picture and the preview,
// its status line and what a screen reader hears, and that going to it and back runs no screen's
// activation.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "curve/PictureNews.h"
#include "files/PictureFormats.h"
#include "runtime/Angles.h"
#include "view3d/View3D.h"
#include "view3d/ViewArea.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

Q_DECLARE_METATYPE(ViewLook)

namespace {
// A frame of the default curve in a view area of its own, not shown.
struct Area {
    ViewArea area;
    Area()
    {
        area.resize(400, 300);
        area.setCurves({{1, {20, 15, 10, 5, 3, 1, 45, 45}, 0.75}});
    }
    QImage frame() { return area.frame().copy(); }
};

void drag(QWidget *widget, QPoint from, const QList<QPoint> &through)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, widget->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    for (const QPoint &at : through) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, through.last(), widget->mapToGlobal(through.last()), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

View3D &shownView()
{
    View3D &view = presentedView();
    if (!QTest::qWaitForWindowActive(&view))
        qWarning("the view did not become active");
    return view;
}
}

class ViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Single::instance<Form2>().Incr = 0.75; }
    void cleanup() { Single::destroyAll(); }

    void openingView();
    void turnsGiveBackTheSameFrame_data();
    void turnsGiveBackTheSameFrame();
    void dragFollowsThePointer();
    void vectorsShowTheFrame_data();
    void vectorsShowTheFrame();
    void looksFromTheMenuAndTheKeys_data();
    void looksFromTheMenuAndTheKeys();
    void smoothOnceStill();
    void statusAndDescription();
    void followsThePicture();
    void previewComesAndGoes();
    void noActivationThroughTheView();
};

// X towards the lower left, Y towards the lower right, Z up, all three equally long.
void ViewTest::openingView()
{
    const Turntable turntable;
    const Turntable::Axes a = turntable.axes();
    QVERIFY(a.xX < 0 && a.yX > 0);
    QVERIFY(a.xY > 0 && a.yY > 0);
    QVERIFY(a.yZ < 0);
    const double x = std::hypot(a.xX, a.yX), y = std::hypot(a.xY, a.yY), z = std::abs(a.yZ);
    QVERIFY(std::abs(x - z) < 1e-12 && std::abs(y - z) < 1e-12);
    QCOMPARE(turntable.azimuth(), 45.0);
    QVERIFY(std::abs(turntable.elevation() - 35.26438968) < 1e-8);
}

void ViewTest::turnsGiveBackTheSameFrame_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<int>>("back");
    QTest::addColumn<QString>("between");
    const int shift = Qt::ShiftModifier;
    QTest::newRow("72 times Right") << QList<int>(71, Qt::Key_Right) << QList<int>{Qt::Key_Right} << "Azimut 40°, elevazione 35,3°, ingrandimento 100%";
    QTest::newRow("Up, then Down") << QList<int>{Qt::Key_Up, Qt::Key_Up} << QList<int>{Qt::Key_Down, Qt::Key_Down}
                                   << "Azimut 45°, elevazione 45,3°, ingrandimento 100%";
    QTest::newRow("fine turns") << QList<int>{Qt::Key_Left | shift, Qt::Key_Down | shift}
                                << QList<int>{Qt::Key_Right | shift, Qt::Key_Up | shift}
                                << "Azimut 44°, elevazione 34,3°, ingrandimento 100%";
    QTest::newRow("over the top: the elevation stops at 90") << QList<int>(20, Qt::Key_Up) << QList<int>{Qt::Key_Home}
                                                             << "Azimut 45°, elevazione 90°, ingrandimento 100%";
    QTest::newRow("zoom in and out") << QList<int>{Qt::Key_Plus, Qt::Key_Plus} << QList<int>{Qt::Key_Minus, Qt::Key_Minus}
                                     << "Azimut 45°, elevazione 35,3°, ingrandimento 156%";
    QTest::newRow("Home") << QList<int>{Qt::Key_Right, Qt::Key_Up, Qt::Key_Minus} << QList<int>{Qt::Key_Home}
                          << "Azimut 50°, elevazione 40,3°, ingrandimento 80%";
}

void ViewTest::turnsGiveBackTheSameFrame()
{
    QFETCH(QList<int>, keys);
    QFETCH(QList<int>, back);
    QFETCH(QString, between);
    View3D &view = shownView();
    const auto press = [&view](const QList<int> &list) {
        for (int key : list)
            QTest::keyClick(&areaOf(view), Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    };
    const QImage opening = areaOf(view).frame().copy();
    press(keys);
    QCOMPARE(statusOf(view), between);
    QVERIFY(areaOf(view).frame() != opening);
    press(back);
    QCOMPARE(areaOf(view).frame(), opening);
    QCOMPARE(statusOf(view), QStringLiteral("Azimut 45°, elevazione 35,3°, ingrandimento 100%"));
}

// Across turns the azimuth, up and down the elevation, as the pointer's displacement since the
// press says: back where it began, the frame is the one it began with.
void ViewTest::dragFollowsThePointer()
{
    Area a;
    const QImage opening = a.frame();
    drag(&a.area, QPoint(200, 150), {QPoint(230, 140), QPoint(260, 130)});
    QCOMPARE(a.area.turntable().azimuth(), 75.0);
    QVERIFY(std::abs(a.area.turntable().elevation() - (std::asin(std::tan(M_PI / 6)) * 180 / M_PI + 10)) < 1e-12);
    QVERIFY(a.frame() != opening);
    drag(&a.area, QPoint(100, 100), {QPoint(90, 140), QPoint(70, 120)});
    QCOMPARE(a.area.turntable().azimuth(), 60.0);
    QVERIFY(a.frame() != opening);
    // Far beyond the elevation's stop and back: only where the pointer ends counts.
    drag(&a.area, QPoint(10, 10), {QPoint(500, -400), QPoint(-20, 10)});
    QCOMPARE(a.frame(), opening);
}

void ViewTest::vectorsShowTheFrame_data()
{
    QTest::addColumn<bool>("legend");
    QTest::addColumn<int>("dotSize");
    QTest::addColumn<ViewLook>("look");
    QTest::addColumn<bool>("section");
    QTest::newRow("plain") << false << 2 << ViewLook::dots << false;
    QTest::newRow("legend over the dots, large dots") << true << 4 << ViewLook::dots << false;
    QTest::newRow("surfaces, cut, legend") << true << 2 << ViewLook::surface << true;
    QTest::newRow("surfaces and dots") << false << 3 << ViewLook::surfaceAndDots << false;
}

// The view's SVG, drawn by a renderer, is its image: the same dots to the pixel, and axes, legend
// and letters where the image has them (renderers smooth their edges a little differently).
void ViewTest::vectorsShowTheFrame()
{
    QFETCH(bool, legend);
    QFETCH(int, dotSize);
    QFETCH(ViewLook, look);
    QFETCH(bool, section);
    Area a;
    a.area.resize(300, 200);
    a.area.setLook(look);
    a.area.setSection(section);
    a.area.setCurves({{1, {20, 15, 10, 5, 3, 1, 45, 45}, 0.75}, {12, {-4, 25, 1, 9, -1.5, 2, 45, 45}, 0.75}});
    a.area.setPreview(PictureCurve{2, {30, 15, 10, 5, 3, 1, 45, 45}, std::nullopt});
    a.area.setDotSize(dotSize);
    if (legend)
        a.area.setLegend({{qRgb(0, 0, 128), QStringLiteral("Curva 1")}, {qRgb(255, 0, 0), QStringLiteral("Curva 2")}});
    MarkRecord marks;
    const Picture picture = a.area.picture({}, marks);
    // The saved picture is the frame the view shows once still.
    QCOMPARE(picture.image, a.area.frame());
    QCOMPARE(picture.underlay.isNull(), look == ViewLook::dots);
    QCOMPARE(picture.document.look, look);
    QCOMPARE(picture.document.section, section);
    QSvgRenderer svg(PictureFormats::of(PictureFormats::Format::Svg).write(picture));
    QImage drawn(picture.size, QImage::Format_RGB32);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    const QImage image = picture.image;
    QCOMPARE(drawn.size(), image.size());
    int differ = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y), q = drawn.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))}) > 40)
                ++differ;
        }
    qInfo("%d of %d pixels differ", differ, image.width() * image.height());
    QVERIFY(differ < image.width() * image.height() / 200);
}

void ViewTest::looksFromTheMenuAndTheKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("entry"); // the look checked in the menu
    QTest::addColumn<bool>("section");
    QTest::addColumn<QString>("said"); // after the status line's angles and zoom
    QTest::newRow("S") << QList<int>{Qt::Key_S} << "Superficie" << false << "; superficie";
    QTest::newRow("S twice") << QList<int>{Qt::Key_S, Qt::Key_S} << "Superficie e punti" << false << "; superficie e punti";
    QTest::newRow("S three times: the dots again") << QList<int>(3, Qt::Key_S) << "Punti" << false << "";
    QTest::newRow("X") << QList<int>{Qt::Key_X} << "Punti" << true << "; punti, sezione";
    QTest::newRow("S and X") << QList<int>{Qt::Key_S, Qt::Key_X} << "Superficie" << true << "; superficie, sezione";
    QTest::newRow("X twice") << QList<int>{Qt::Key_X, Qt::Key_X} << "Punti" << false << "";
}

// S steps through the looks, X cuts the figure open or closes it: the picture changes, the menu's
// checks, the status line and what a listener hears follow.
void ViewTest::looksFromTheMenuAndTheKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, entry);
    QFETCH(bool, section);
    QFETCH(QString, said);
    setParameters();
    drawingScreen().Form_Activate();
    View3D &view = shownView();
    const QImage dots = areaOf(view).frame().copy();
    for (int key : keys)
        QTest::keyClick(&areaOf(view), Qt::Key(key));
    const QString angles = QStringLiteral("Azimut 45°, elevazione 35,3°, ingrandimento 100%");
    QCOMPARE(statusOf(view), angles + said);
    QVERIFY(areaOf(view).accessibleDescription().startsWith(angles + said + QStringLiteral(". 1 curva.")));
    QCOMPARE(areaOf(view).frame() != dots, !said.isEmpty());
    QStringList checked;
    for (const QAction *action : menuOf(view).menu()->actions())
        if (action->isChecked())
            checked << action->text();
    QCOMPARE(checked, (section ? QStringList{entry, QStringLiteral("Sezione")} : QStringList{entry}));
}

// The surfaces take one sample a pixel while dragged, and are smooth again once let go.
void ViewTest::smoothOnceStill()
{
    Area a;
    a.area.setLook(ViewLook::surface);
    const QImage still = a.frame();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), a.area.mapToGlobal(QPointF(50, 50)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&a.area, &press);
    QVERIFY(a.frame() != still);
    QCOMPARE(a.area.stillFrame(), still);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 50), a.area.mapToGlobal(QPointF(50, 50)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&a.area, &release);
    QCOMPARE(a.frame(), still);
}

// The status line follows every frame; a screen reader hears it with the picture's words once a
// turn ends.
void ViewTest::statusAndDescription()
{
    setParameters();
    drawingScreen().Form_Activate();
    View3D &view = shownView();
    const QString description = QStringLiteral(
        "Azimut 45°, elevazione 35,3°, ingrandimento 100%. 1 curva. Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45");
    QCOMPARE(areaOf(view).accessibleName(), QStringLiteral("Vista 3D"));
    QCOMPARE(areaOf(view).accessibleDescription(), description);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), areaOf(view).mapToGlobal(QPointF(50, 50)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&areaOf(view), &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 50), areaOf(view).mapToGlobal(QPointF(60, 50)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&areaOf(view), &move);
    QVERIFY(statusOf(view).startsWith(QStringLiteral("Azimut 50°")));
    QCOMPARE(areaOf(view).accessibleDescription(), description);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(60, 50), areaOf(view).mapToGlobal(QPointF(60, 50)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&areaOf(view), &release);
    QVERIFY(areaOf(view).accessibleDescription().startsWith(QStringLiteral("Azimut 50°, elevazione 35,3°, ingrandimento 100%. 1 curva.")));
}

// Every curve of the picture, at the model points the drawing screen computed, in its colour; a
// clearing empties the view; the angles stay through both.
void ViewTest::followsThePicture()
{
    View3D &view = Single::instance<View3D>();
    areaOf(view).turn(30, 0);
    setParameters();
    Form4 &form = drawingScreen();
    form.Form_Activate();
    const CurveCloud &cloud = areaOf(view).cloud();
    QCOMPARE(cloud.curves().size(), std::size_t(1));
    QCOMPARE(cloud.curves()[0].points->front(), (CurveModel::Point{20, 0, 0}));
    QCOMPARE(*cloud.curves()[0].points, CurveModel().points(form.curves()[0].values, Angles::P1()));
    QCOMPARE(cloud.curves()[0].colour, qRgb(0, 0, 128));
    setParameters(-12.5, 7);
    form.Form_Activate();
    QCOMPARE(cloud.curves().size(), std::size_t(2));
    QCOMPARE(*cloud.curves()[1].points, CurveModel().points(form.curves()[1].values, Angles::P1()));
    QCOMPARE(cloud.curves()[1].colour, qRgb(0, 128, 0));
    control<QPushButton>(form, "Command2")->click();
    QVERIFY(cloud.curves().empty());
    QCOMPARE(areaOf(view).turntable().azimuth(), 75.0);
}

// A changed field shows the curve it describes, in the next colour, until the drawing screen draws.
void ViewTest::previewComesAndGoes()
{
    Answers recorder;
    setParameters();
    Form4 &form = drawingScreen();
    form.Form_Activate();
    View3D &view = Single::instance<View3D>();
    Form3 &fields = Single::instance<Form3>();
    QVERIFY(!areaOf(view).cloud().preview());

    QTest::keyClick(control<QLineEdit>(fields, "Text1"), Qt::Key_Up);
    QCOMPARE(control<QLineEdit>(fields, "Text1")->text(), QStringLiteral("21"));
    QVERIFY(areaOf(view).cloud().preview());
    QCOMPARE(areaOf(view).cloud().preview()->colour, qRgb(0, 128, 0));
    QVERIFY(statusOf(view).endsWith(QStringLiteral("; anteprima: curva 2, verde scuro")));

    QTest::keyClicks(control<QLineEdit>(fields, "Text5"), QStringLiteral("x"));
    QVERIFY(!areaOf(view).cloud().preview());
    QVERIFY(statusOf(view).endsWith(QStringLiteral("; anteprima: valori non validi")));
    QTest::keyClick(control<QLineEdit>(fields, "Text5"), Qt::Key_Backspace);

    const CurveModel::Point previewed = areaOf(view).cloud().preview()->points->back();
    control<QPushButton>(fields, "Command2")->click();
    QTRY_COMPARE(form.curves().size(), std::size_t(2));
    QVERIFY(!areaOf(view).cloud().preview());
    QCOMPARE(areaOf(view).cloud().curves()[1].points->back(), previewed);
    QVERIFY(!statusOf(view).contains(QStringLiteral("anteprima")));
    QVERIFY(recorder.messages.isEmpty());
}

// The view is no screen: going to it and back runs no activation, and the screen that was active
// before it stays the program's active screen.
void ViewTest::noActivationThroughTheView()
{
    Answers recorder;
    setParameters();
    Form4 &form = drawingScreen();
    form.Show();
    QTRY_COMPARE(form.curves().size(), std::size_t(1));
    View3D &view = shownView();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCoreApplication::processEvents();
    QCOMPARE(form.curves().size(), std::size_t(1));

    Form3 &fields = Single::instance<Form3>();
    fields.Show();
    QVERIFY(QTest::qWaitForWindowActive(&fields));
    control<QLineEdit>(fields, "Text3")->setText(QString());
    control<QPushButton>(fields, "Command2")->click();
    QCOMPARE(recorder.messages.size(), 1);
    const QColor red = control<QLineEdit>(fields, "Text3")->palette().color(QPalette::Base);
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    fields.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fields));
    QCoreApplication::processEvents();
    QCOMPARE(control<QLineEdit>(fields, "Text3")->palette().color(QPalette::Base), red);

    control<QLineEdit>(fields, "Text3")->setText(QStringLiteral("10"));
    control<QPushButton>(fields, "Command2")->click();
    QTRY_COMPARE(form.curves().size(), std::size_t(2));
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    fields.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fields));
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    form.activateWindow();
    QTRY_COMPARE(form.curves().size(), std::size_t(3));
}

QTEST_MAIN(ViewTest)
#include "tst_view.moc"
