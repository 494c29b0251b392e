// The calibration screen: its figure for an aspect factor, and how the scroll
// bar, the activation and "OK - continua" set and judge the factor.
#include "TestSupport.h"
#include "calibration/CirclePoints.h"
#include "calibration/Form2.h"
#include "parameters/Form3.h"
#include "runtime/NumberText.h"
#include "runtime/Angles.h"
#include "runtime/Single.h"
#include "runtime/SinglePrecision.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>

namespace {
constexpr float centreX = 93183.6796875f;
constexpr float rightmost = 129551.046875f;
constexpr float leftmost = 56816.31640625f;

// The calibration screen keeps no record of what it draws; the tests have it keep one.
Form2 &recordingScreen()
{
    Form2 &form = Single::instance<Form2>();
    form.surface().resize(QSize(1280, 1005), 1.0, 96.0);
    form.surface().setRecording(true);
    return form;
}

QList<QPointF> recordedDots(const MarkRecord &record)
{
    QList<QPointF> dots;
    for (const MarkRecord::Run &run : record.runs())
        if (run.kind == MarkRecord::Kind::Dots)
            for (std::uint32_t i = run.first; i < run.first + run.count; ++i)
                dots << record.point(i);
    return dots;
}
}

class CalibrationTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }

    void figure_data();
    void figure();
    void eachEventDrawsTheCircleTwice();
    void barValuesShowTwoDecimals();
    void calibrationStates();
};

void CalibrationTest::figure_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<float>("scaleHeight");
    QTest::addColumn<float>("centreY");
    // The activation's figure, and the bar's at step 2.
    QTest::newRow("0.51") << 0 << 74647.3515625f << 37323.67578125f;
    QTest::newRow("0.55") << 2 << 80502.046875f << 40251.0234375f;
}

void CalibrationTest::figure()
{
    QFETCH(int, step);
    QFETCH(float, scaleHeight);
    QFETCH(float, centreY);
    Form2 &form = recordingScreen();
    form.Form_Activate();
    const Surface &surface = form.surface();
    const MarkRecord &record = surface.record();
    if (step) {
        form.surface().record().clear();
        control<QScrollBar>(form, "HScroll1")->setValue(step);
    }

    QCOMPARE(surface.ScaleWidth(), 146367.359375f);
    QCOMPARE(surface.ScaleHeight(), scaleHeight);
    QCOMPARE(surface.DrawWidth(), 1);
    // The two axes cross at the centre: down the whole height, across the whole width.
    QCOMPARE(record.runs().front().kind, MarkRecord::Kind::Lines);
    QCOMPARE(record.runs().front().count, 4u);
    // In single precision, as the record keeps them.
    const QPointF centre(float(surface.scale().toPixelX(centreX)), float(surface.scale().toPixelY(centreY)));
    QCOMPARE(record.point(0).x(), centre.x());
    QCOMPARE(record.point(1).x(), centre.x());
    QCOMPARE(record.point(2).y(), centre.y());
    QCOMPARE(record.point(3).y(), centre.y());

    // The circle's points, as the figure takes them, to the last bit; each plotted where the
    // record has it, all in dark blue; an event draws it twice.
    CirclePoints points;
    const std::vector<CirclePoint> &circle = points.forP1(Angles::P1());
    QCOMPARE(circle.size(), std::size_t(3600));
    const auto plottedX = [&](const CirclePoint &point) { return toSingle(double(centreX) + point.XR); };
    const auto plottedY = [&](const CirclePoint &point) { return toSingle(double(centreY) + point.YR); };
    QCOMPARE(plottedX(circle.front()), rightmost);
    QCOMPARE(plottedY(circle.front()), centreY);
    const auto [minX, maxX] = std::minmax_element(circle.cbegin(), circle.cend(),
                                                  [](const CirclePoint &a, const CirclePoint &b) { return a.XR < b.XR; });
    QCOMPARE(plottedX(*minX), leftmost);
    QCOMPARE(plottedX(*maxX), rightmost);
    QCOMPARE(minX - circle.cbegin(), 1800);
    // The last point is near 359.9 degrees, just above the axis; none is at 360.
    QVERIFY(plottedY(circle.back()) < centreY && plottedX(circle.back()) < rightmost);
    // Clockwise on screen: the second point lies below the axis (y grows downward).
    QVERIFY(plottedY(circle[1]) > centreY);

    const QList<QPointF> dots = recordedDots(record);
    QCOMPARE(dots.size(), 7200);
    QCOMPARE(dots.mid(0, 3600), dots.mid(3600));
    for (int i = 0; i < 3600; ++i) {
        const CirclePoint &point = circle[std::size_t(i)];
        QCOMPARE(dots[i], QPointF(std::floor(surface.scale().toPixelX(plottedX(point))),
                                  std::floor(surface.scale().toPixelY(plottedY(point)))));
    }
    QCOMPARE(record.runs().back().colour, qRgb(128, 0, 0));
}

void CalibrationTest::eachEventDrawsTheCircleTwice()
{
    Answers recorder;
    Form2 &form = recordingScreen();
    form.Form_Activate();
    const MarkRecord &record = form.surface().record();
    QCOMPARE(record.dotCount(), std::uint64_t(7200));
    control<QScrollBar>(form, "HScroll1")->setValue(14);
    QCOMPARE(record.dotCount(), std::uint64_t(14400));
}

void CalibrationTest::barValuesShowTwoDecimals()
{
    Answers recorder;
    Form2 &form = Single::instance<Form2>();
    form.Form_Activate();
    for (int value = 30; value >= 1; --value) {
        control<QScrollBar>(form, "HScroll1")->setValue(value);
        QCOMPARE(form.Incr, value * 0.02 + 0.51);
        const QString text = control<QLineEdit>(form, "Text1")->text();
        QVERIFY2(text.section(QLatin1Char(','), 1).size() <= 2, qPrintable(text));
        QVERIFY(std::abs(NumberText::toDouble(text) - form.Incr) < 1e-12);
    }
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,53"));
    control<QScrollBar>(form, "HScroll1")->setValue(3);
    QCOMPARE(form.Incr, 0.5700000000000001);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,57"));
    control<QScrollBar>(form, "HScroll1")->setValue(30);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("1,11"));
}

void CalibrationTest::calibrationStates()
{
    Answers recorder;
    Form2 &form = Single::instance<Form2>();
    QCOMPARE(control<QScrollBar>(form, "HScroll1")->value(), 1);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("Text1"));
    form.surface().setRecording(true);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.focusWidget(), control<QScrollBar>(form, "HScroll1"));
    // A clearing empties the record: what it holds then is the one event drawn since.
    const MarkRecord &record = form.surface().record();
    const auto cleared = [&record] { return record.dotCount() == 7200; };

    // First display: 0,51 and refused.
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,51"));
    QCOMPARE(form.Incr, 0.51);
    control<QPushButton>(form, "Command1")->click();
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("Impostare la risoluzione SCHERMO")});
    QVERIFY(!Single::exists<Form3>());

    // 1 -> 2: the factor goes up, nothing is cleared, accepted.
    control<QScrollBar>(form, "HScroll1")->setValue(2);
    QVERIFY(!cleared());
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,55"));
    control<QPushButton>(form, "Command1")->click();
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(Single::exists<Form3>());
    QVERIFY(QTest::qWaitForWindowExposed(&Single::instance<Form3>()));
    QTRY_COMPARE(QApplication::activeWindow(), &Single::instance<Form3>());

    // 2 -> 1: the factor goes down, the surface is cleared first; 0.53 is refused.
    control<QScrollBar>(form, "HScroll1")->setValue(1);
    QVERIFY(cleared());
    QCOMPARE(form.Incr, 0.53);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,53"));
    control<QPushButton>(form, "Command1")->click();
    QCOMPARE(recorder.messages.size(), 2);

    // Coming back after the parameter screen: 0,51 again, refused, the bar where it was.
    control<QScrollBar>(form, "HScroll1")->setValue(3);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,57"));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.Incr, 0.51);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,51"));
    QCOMPARE(control<QScrollBar>(form, "HScroll1")->value(), 3);
    QVERIFY(!cleared());
    control<QPushButton>(form, "Command1")->click();
    QCOMPARE(recorder.messages.size(), 3);

    // Whatever is typed into the field is never read.
    control<QLineEdit>(form, "Text1")->setText(QStringLiteral("0,99"));
    control<QPushButton>(form, "Command1")->click();
    QCOMPARE(recorder.messages.size(), 4);
}

QTEST_MAIN(CalibrationTest)
#include "tst_calibration.moc"
