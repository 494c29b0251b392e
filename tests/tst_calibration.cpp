// The calibration screen: its figure for an aspect factor, and how the scroll
// bar, the activation and "OK - continua" set and judge the factor.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "parameters/Form3.h"
#include "runtime/NumberText.h"
#include "runtime/ScreenFlow.h"
#include "runtime/Single.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>

namespace {
constexpr float centreX = 93183.6796875f;
constexpr float rightmost = 129551.046875f;
constexpr float leftmost = 56816.31640625f;
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
    QTest::addColumn<double>("incr");
    QTest::addColumn<float>("scaleHeight");
    QTest::addColumn<float>("centreY");
    QTest::newRow("0.51") << 0.51 << 74647.3515625f << 37323.67578125f;
    QTest::newRow("0.55") << 0.55 << 80502.046875f << 40251.0234375f;
}

void CalibrationTest::figure()
{
    QFETCH(double, incr);
    QFETCH(float, scaleHeight);
    QFETCH(float, centreY);
    Form2 &form = Single::instance<Form2>();
    form.surface().resize(QSize(1280, 1005), 1.0, 96.0);
    form.P1 = 0.0174532924f;
    form.Incr = incr;
    DrawingLog log(form.surface());
    form.COORDINATE();

    QCOMPARE(form.surface().ScaleWidth(), 146367.359375f);
    QCOMPARE(form.surface().ScaleHeight(), scaleHeight);
    QCOMPARE(form.CX, centreX);
    QCOMPARE(form.CY, centreY);
    QCOMPARE(form.surface().DrawWidth(), 1);
    QCOMPARE(log.lines, (QList<QLineF>{QLineF(centreX, 0, centreX, scaleHeight), QLineF(0, centreY, 146367.359375f, centreY)}));

    QCOMPARE(log.dots.size(), 3600);
    QCOMPARE(log.dots.first().x, rightmost);
    QCOMPARE(log.dots.first().y, centreY);
    const auto [minX, maxX] = std::minmax_element(log.dots.cbegin(), log.dots.cend(),
                                                  [](const Dot &a, const Dot &b) { return a.x < b.x; });
    QCOMPARE(minX->x, leftmost);
    QCOMPARE(maxX->x, rightmost);
    QCOMPARE(minX - log.dots.cbegin(), 1800);
    for (const Dot &dot : log.dots)
        QCOMPARE(dot.color, QColor(128, 0, 0));
    // The last point is near 359.9 degrees, just above the axis; none is at 360.
    QVERIFY(log.dots.last().y < centreY);
    QVERIFY(log.dots.last().x < rightmost);
    // Clockwise on screen: the second point lies below the axis (y grows downward).
    QVERIFY(log.dots[1].y > centreY);
}

void CalibrationTest::eachEventDrawsTheCircleTwice()
{
    ProgramRecorder recorder;
    Form2 &form = Single::instance<Form2>();
    form.surface().resize(QSize(1280, 1005), 1.0, 96.0);
    DrawingLog log(form.surface());
    form.Form_Activate();
    QCOMPARE(log.dots.size(), 7200);
    QCOMPARE(log.lines.size(), 2);
    for (int i = 0; i < 3600; ++i) {
        QCOMPARE(log.dots[i].x, log.dots[3600 + i].x);
        QCOMPARE(log.dots[i].y, log.dots[3600 + i].y);
    }
    form.HScroll1->setValue(14);
    QCOMPARE(log.dots.size(), 14400);
}

void CalibrationTest::barValuesShowTwoDecimals()
{
    ProgramRecorder recorder;
    Form2 &form = Single::instance<Form2>();
    form.Form_Activate();
    for (int value = 30; value >= 1; --value) {
        form.HScroll1->setValue(value);
        QCOMPARE(form.Incr, value * 0.02 + 0.51);
        const QString text = form.Text1->text();
        QVERIFY2(text.section(QLatin1Char(','), 1).size() <= 2, qPrintable(text));
        QVERIFY(std::abs(NumberText::toDouble(text) - form.Incr) < 1e-12);
    }
    QCOMPARE(form.Text1->text(), QStringLiteral("0,53"));
    form.HScroll1->setValue(3);
    QCOMPARE(form.Incr, 0.5700000000000001);
    QCOMPARE(form.Text1->text(), QStringLiteral("0,57"));
    form.HScroll1->setValue(30);
    QCOMPARE(form.Text1->text(), QStringLiteral("1,11"));
}

void CalibrationTest::calibrationStates()
{
    ProgramRecorder recorder;
    Form2 &form = Single::instance<Form2>();
    QCOMPARE(form.HScroll1->value(), 1);
    QCOMPARE(form.Text1->text(), QStringLiteral("Text1"));
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.focusWidget(), form.HScroll1);
    DrawingLog log(form.surface());

    // First display: 0,51 and refused.
    QCOMPARE(form.Text1->text(), QStringLiteral("0,51"));
    QCOMPARE(form.Incr, 0.51);
    form.Command1->click();
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("Impostare la risoluzione SCHERMO")});
    QVERIFY(!Single::exists<Form3>());

    // 1 -> 2: the factor goes up, nothing is cleared, accepted.
    form.HScroll1->setValue(2);
    QCOMPARE(log.clears, 0);
    QCOMPARE(form.Text1->text(), QStringLiteral("0,55"));
    form.Command1->click();
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(Single::exists<Form3>());
    QVERIFY(QTest::qWaitForWindowExposed(&Single::instance<Form3>()));
    QCOMPARE(ScreenFlow::instance().activeScreen(), &Single::instance<Form3>());

    // 2 -> 1: the factor goes down, the surface is cleared first; 0.53 is refused.
    form.HScroll1->setValue(1);
    QCOMPARE(log.clears, 1);
    QCOMPARE(form.Incr, 0.53);
    QCOMPARE(form.Text1->text(), QStringLiteral("0,53"));
    form.Command1->click();
    QCOMPARE(recorder.messages.size(), 2);

    // Coming back after the parameter screen: 0,51 again, refused, the bar where it was.
    form.HScroll1->setValue(3);
    QCOMPARE(form.Text1->text(), QStringLiteral("0,57"));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.Incr, 0.51);
    QCOMPARE(form.Text1->text(), QStringLiteral("0,51"));
    QCOMPARE(form.HScroll1->value(), 3);
    QCOMPARE(log.clears, 1);
    form.Command1->click();
    QCOMPARE(recorder.messages.size(), 3);

    // Whatever is typed into the field is never read.
    form.Text1->setText(QStringLiteral("0,99"));
    form.Command1->click();
    QCOMPARE(recorder.messages.size(), 4);
    QVERIFY(recorder.endings.isEmpty());
}

QTEST_MAIN(CalibrationTest)
#include "tst_calibration.moc"
