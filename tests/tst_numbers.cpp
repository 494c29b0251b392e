// Plain rules without a window: number text, palette, 16-bit counter, angles,
// the projection's arithmetic and the clipping of what is drawn.
#include "curve/Projection.h"
#include "parameters/ColourCounter.h"
#include "parameters/ParamValue.h"
#include "runtime/Angles.h"
#include "runtime/Clip.h"
#include "runtime/Failure.h"
#include "runtime/Int16.h"
#include "runtime/NumberText.h"
#include "runtime/Palette.h"

#include <QtTest>
#include <bit>
#include <cmath>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void conversion_data();
    void conversion();
    void formatting_data();
    void formatting();
    void palette_data();
    void palette();
    void paletteRejectsOtherIndices();
    void counter_data();
    void counter();
    void counterOverflow();
    void parameterValue();
    void degreeFactor();
    void viewCoefficients_data();
    void viewCoefficients();
    void transform();
    void clipLine_data();
    void clipLine();
    void clipDot_data();
    void clipDot();
};

void NumbersTest::conversion_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    const QString it = QStringLiteral("it_IT");
    const QString c = QStringLiteral("C");
    QTest::newRow("it integer") << it << "20" << true << 20.0;
    QTest::newRow("it decimal comma") << it << "0,57" << true << 0.57;
    QTest::newRow("it decimal point is a misplaced group") << it << "1.5" << false << 0.0;
    QTest::newRow("it group separator") << it << "1.000" << true << 1000.0;
    QTest::newRow("it group and decimal") << it << "1.000,5" << true << 1000.5;
    QTest::newRow("it blanks around") << it << "  3,5 " << true << 3.5;
    QTest::newRow("it plus sign") << it << "+3" << true << 3.0;
    QTest::newRow("it minus sign") << it << "-0" << true << 0.0;
    QTest::newRow("it exponent") << it << "1,5e-3" << true << 0.0015;
    QTest::newRow("it capital exponent") << it << "1E+300" << true << 1e300;
    QTest::newRow("it tiny") << it << "1e-300" << true << 1e-300;
    QTest::newRow("it empty") << it << "" << false << 0.0;
    QTest::newRow("it blanks only") << it << "   " << false << 0.0;
    QTest::newRow("it double sign") << it << "--1" << false << 0.0;
    QTest::newRow("it letters") << it << "abc" << false << 0.0;
    QTest::newRow("it two commas") << it << "1,2,3" << false << 0.0;
    QTest::newRow("it hex") << it << "0x10" << false << 0.0;
    QTest::newRow("it nan") << it << "nan" << false << 0.0;
    QTest::newRow("it NaN") << it << "NaN" << false << 0.0;
    QTest::newRow("it inf") << it << "inf" << false << 0.0;
    QTest::newRow("it minus inf") << it << "-inf" << false << 0.0;
    QTest::newRow("it overflow") << it << "1e400" << false << 0.0;
    QTest::newRow("it arabic-indic digit") << it << QString::fromUtf8("٣") << false << 0.0;
    QTest::newRow("it fullwidth digit") << it << QString::fromUtf8("１") << false << 0.0;
    QTest::newRow("C decimal point") << c << "1.5" << true << 1.5;
    QTest::newRow("C decimal comma is a group") << c << "1,5" << false << 0.0;
    QTest::newRow("C group separator") << c << "1,000" << true << 1000.0;
    QTest::newRow("C exponent") << c << "-2.5E2" << true << -250.0;
    QTest::newRow("C nan") << c << "nan" << false << 0.0;
    QTest::newRow("C infinity") << c << "inf" << false << 0.0;
    QTest::newRow("C overflow") << c << "-1e309" << false << 0.0;
}

void NumbersTest::conversion()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(NumberText::isNumeric(text), numeric);
    if (numeric) {
        QCOMPARE(NumberText::toDouble(text), value);
    } else {
        QVERIFY_THROWS_EXCEPTION(Failure, NumberText::toDouble(text));
    }
}

void NumbersTest::formatting_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("calibration start") << "it_IT" << 0.51 << "0,51";
    QTest::newRow("15 significant digits") << "it_IT" << 0.5700000000000001 << "0,57";
    QTest::newRow("largest factor") << "it_IT" << 30 * 0.02 + 0.51 << "1,11";
    QTest::newRow("no group separator") << "it_IT" << 1234567.5 << "1234567,5";
    QTest::newRow("integer") << "it_IT" << 3.0 << "3";
    QTest::newRow("C locale") << "C" << 0.53 << "0.53";
}

void NumbersTest::formatting()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(NumberText::fromDouble(value), text);
}

void NumbersTest::palette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("color");
    const QColor expected[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
        {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255},  {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    for (int i = 0; i < 16; ++i)
        QTest::addRow("QBColor(%d)", i) << i << expected[i];
}

void NumbersTest::palette()
{
    QFETCH(int, index);
    QFETCH(QColor, color);
    QCOMPARE(QBColor(index), color);
}

void NumbersTest::paletteRejectsOtherIndices()
{
    for (int index : {-1, 16, 32767})
        QVERIFY_THROWS_EXCEPTION(Failure, QBColor(index));
    QCOMPARE(colorFromBgr(255), QColor(255, 0, 0));
}

void NumbersTest::counter_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("normalised");
    QTest::addColumn<int>("advanced");
    QTest::newRow("start") << 0 << 0 << 1;
    QTest::newRow("6 stays") << 6 << 6 << 7;
    QTest::newRow("7 restarts") << 7 << 0 << 8;
    QTest::newRow("negative") << -5 << 0 << -4;
    QTest::newRow("14") << 14 << 0 << 15;
    QTest::newRow("15 wraps to 1") << 15 << 0 << 1;
}

void NumbersTest::counter()
{
    QFETCH(int, before);
    QFETCH(int, normalised);
    QFETCH(int, advanced);
    QCOMPARE(int(ColourCounter::normalised(int16_t(before))), normalised);
    QCOMPARE(int(ColourCounter::advanced(int16_t(before))), advanced);
}

void NumbersTest::counterOverflow()
{
    QCOMPARE(Int16::add(32766, 1), int16_t(32767));
    QVERIFY_THROWS_EXCEPTION(Failure, Int16::add(32767, 1));
    QVERIFY_THROWS_EXCEPTION(Failure, Int16::add(-32768, -1));

    // Drawing after drawing without the parameter screen in between: 1..7, then on to 15 and 1 again.
    int16_t counter = ColourCounter::normalised(0);
    QList<int> seen;
    for (int i = 0; i < 17; ++i) {
        counter = ColourCounter::advanced(counter);
        seen << counter;
    }
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1, 2}));
}

void NumbersTest::parameterValue()
{
    const ParamValue empty;
    const ParamValue number(0.0);
    const ParamValue mark = ParamValue::failureMark();
    QVERIFY(empty.isEmpty() && !empty.isNumber() && !empty.isFailureMark());
    QVERIFY(number.isNumber() && !number.isFailureMark());
    QVERIFY(mark.isFailureMark() && !mark.isNumber());
    QCOMPARE(number.number(), 0.0);
    QVERIFY_THROWS_EXCEPTION(Failure, mark.number());
    QVERIFY_THROWS_EXCEPTION(Failure, empty.number());
}

void NumbersTest::degreeFactor()
{
    QCOMPARE(std::bit_cast<quint32>(Angles::P1()), quint32(0x3C8EFA35));
}

void NumbersTest::viewCoefficients_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("cosine");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("45") << 45.0 << 0.70710678549 << 5e-12;
    QTest::newRow("0") << 0.0 << 1.0 << 0.0;
    QTest::newRow("90 is not quite 0") << 90.0 << 1.2167964e-08 << 5e-16;
    QTest::newRow("180") << 180.0 << -0.9999999999999997 << 0.0;
}

void NumbersTest::viewCoefficients()
{
    QFETCH(double, degrees);
    QFETCH(double, cosine);
    QFETCH(double, tolerance);
    const Projection::View view = Projection::view(degrees, degrees, Angles::P1());
    for (double coefficient : {view.CA, view.SA, view.CB, view.SB})
        QVERIFY2(std::abs(coefficient - cosine) <= tolerance,
                 qPrintable(QString::number(coefficient, 'g', 17)));
}

void NumbersTest::transform()
{
    const Projection::View view = Projection::view(45, 45, Angles::P1());
    const Projection::Displacement d = Projection::transform(10, 0, 0, view);
    QVERIFY(std::abs(d.M + 7.0710678549) < 5e-11);
    QVERIFY(std::abs(d.N - 7.0710678549) < 5e-11);

    const Projection::Displacement up = Projection::transform(0, 0, 5, view);
    QCOMPARE(up.M, 0.0);
    QCOMPARE(up.N, -5.0);

    const Projection::View zero = Projection::view(0, 0, Angles::P1());
    const Projection::Displacement x = Projection::transform(1, 0, 0, zero);
    QCOMPARE(x.M, -1.0);
    QCOMPARE(x.N, 1.0);
}

void NumbersTest::clipLine_data()
{
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QLineF>("clipped");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("inside") << QLineF(1, 1, 9, 9) << true << QLineF(1, 1, 9, 9);
    QTest::newRow("crossing") << QLineF(-10, 5, 20, 5) << true << QLineF(0, 5, 10, 5);
    QTest::newRow("far away end") << QLineF(5, 5, 5, 1e300) << true << QLineF(5, 5, 5, 10);
    QTest::newRow("far diagonal end") << QLineF(5, 5, 1e300, 1e300) << true << QLineF(5, 5, 10, 10);
    QTest::newRow("far away start") << QLineF(-1e300, 4, 5, 4) << true << QLineF(5, 4, 0, 4);
    QTest::newRow("both far, missing") << QLineF(-1e300, -1e300, 1e300, -1e300) << false << QLineF();
    QTest::newRow("outside") << QLineF(20, 20, 30, 40) << false << QLineF();
    QTest::newRow("infinite end") << QLineF(5, 5, inf, 5) << false << QLineF();
    QTest::newRow("nan end") << QLineF(nan, 5, 5, 5) << false << QLineF();
}

void NumbersTest::clipLine()
{
    QFETCH(QLineF, line);
    QFETCH(bool, visible);
    QFETCH(QLineF, clipped);
    const auto result = Clip::line(line.x1(), line.y1(), line.x2(), line.y2(), QRectF(0, 0, 10, 10));
    QCOMPARE(result.has_value(), visible);
    if (visible) {
        QVERIFY(std::abs(result->x1() - clipped.x1()) < 1e-9 && std::abs(result->y1() - clipped.y1()) < 1e-9);
        QVERIFY(std::abs(result->x2() - clipped.x2()) < 1e-9 && std::abs(result->y2() - clipped.y2()) < 1e-9);
    }
}

void NumbersTest::clipDot_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("covered");
    QTest::newRow("one pixel") << 10.3 << 4.9 << 1 << QRect(10, 4, 1, 1);
    QTest::newRow("two pixels, left half") << 10.3 << 4.2 << 2 << QRect(9, 3, 2, 2);
    QTest::newRow("two pixels, right half") << 10.7 << 4.7 << 2 << QRect(10, 4, 2, 2);
    QTest::newRow("cut at the edge") << 0.2 << 0.2 << 2 << QRect(0, 0, 1, 1);
    // A centre left of or above the edge still shows the part of its square inside.
    QTest::newRow("centre left of the edge") << -0.3 << 5.2 << 2 << QRect(0, 4, 1, 2);
    QTest::newRow("centre above the edge") << 5.2 << -0.3 << 2 << QRect(4, 0, 2, 1);
    QTest::newRow("centre off the corner, width 3") << -0.6 << -0.6 << 3 << QRect(0, 0, 1, 1);
    QTest::newRow("square just off the left edge") << -1.2 << 5.0 << 3 << QRect();
    QTest::newRow("off the image") << -5.0 << 3.0 << 2 << QRect();
    QTest::newRow("far off") << 1e300 << 3.0 << 2 << QRect();
    QTest::newRow("not finite") << std::numeric_limits<double>::quiet_NaN() << 3.0 << 2 << QRect();
}

void NumbersTest::clipDot()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, width);
    QFETCH(QRect, covered);
    const auto result = Clip::dot(x, y, width, QSize(20, 20));
    QCOMPARE(result.value_or(QRect()), covered);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
