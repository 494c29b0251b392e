// The drawing screen's numbers: scale, centre, axis lines and the curve,
// dot by dot, from a parameter set and an aspect factor.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "runtime/Palette.h"
#include "runtime/Single.h"

#include <QElapsedTimer>
#include <QtTest>
#include <cmath>

namespace {
constexpr int dotsPerCurve = 145 * 73;

// Also notes the model point behind each dot.
class CurveLog : public DrawingLog {
public:
    explicit CurveLog(Form4 &form) : DrawingLog(form.surface()), m_form(form) {}
    void dot(float x, float y, const QColor &color) override
    {
        dots << Dot{x, y, color, m_form.X, m_form.Y, m_form.Z};
    }

private:
    Form4 &m_form;
};

struct Parameters {
    double a = 20, b = 15, c = 10, d = 5, e = 3, p = 1, alpha = 45, beta = 45;
};

void setParameters(const Parameters &p)
{
    Form3 &set = Single::instance<Form3>();
    set.VALa = p.a;
    set.VALb = p.b;
    set.VALc = p.c;
    set.VALd = p.d;
    set.VALe = p.e;
    set.VALp = p.p;
    set.AA = p.alpha;
    set.AB = p.beta;
}

Form4 &drawingScreen(double incr, QSize pixels = QSize(1280, 960))
{
    Single::instance<Form2>().Incr = incr;
    Form4 &form = Single::instance<Form4>();
    form.surface().resize(pixels, 1.0, 96.0);
    return form;
}

bool near(double actual, double expected, double tolerance)
{
    return std::abs(actual - expected) <= tolerance;
}
}

class CurveTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }

    void scaleCentreAndAxes_data();
    void scaleCentreAndAxes();
    void defaultCurveDots();
    void curveDotsToTheLastBit_data();
    void curveDotsToTheLastBit();
    void dotOrder();
    void flatAndRepeatedCurves_data();
    void flatAndRepeatedCurves();
    void colourAdvancesPerActivation();
    void renderedDefaultCurve();
    void extremeParametersDrawWithinTheSurface_data();
    void extremeParametersDrawWithinTheSurface();
    void incompleteSetDrawsNothing();
};

void CurveTest::scaleCentreAndAxes_data()
{
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("beta");
    QTest::addColumn<double>("M");
    QTest::addColumn<double>("N");
    QTest::addColumn<QPointF>("secondEnd");
    QTest::addColumn<QPointF>("thirdEnd");
    QTest::newRow("45/45") << 45.0 << 45.0 << -33.5875723 << 192.6865990 << QPointF(126.41243, 305.18658)
                           << QPointF(352.68658, 78.91243);
    QTest::newRow("30/60") << 30.0 << 60.0 << -82.3140641 << 194.8140657 << QPointF(77.68594, 307.31406)
                           << QPointF(354.81406, 30.18594);
}

void CurveTest::scaleCentreAndAxes()
{
    QFETCH(double, alpha);
    QFETCH(double, beta);
    QFETCH(double, M);
    QFETCH(double, N);
    QFETCH(QPointF, secondEnd);
    QFETCH(QPointF, thirdEnd);

    Parameters p;
    p.alpha = alpha;
    p.beta = beta;
    setParameters(p);
    Form4 &form = drawingScreen(0.75);
    CurveLog log(form);
    form.Form_Activate();

    QCOMPARE(form.surface().ScaleWidth(), 300.0f);
    QCOMPARE(form.surface().ScaleHeight(), 225.0f);
    QCOMPARE(form.CX, 160.0f);
    QCOMPARE(form.CY, 112.5f);
    QCOMPARE(form.surface().DrawWidth(), 2);

    QCOMPARE(log.lines.size(), 3);
    QCOMPARE(log.lines[0], QLineF(160, 0, 160, 112.5));
    QCOMPARE(log.lines[1].p1(), QPointF(160, 112.5));
    QCOMPARE(log.lines[2].p1(), QPointF(160, 112.5));
    // The axis ends are the centre displaced by M and N, and by N and M.
    QVERIFY(near(log.lines[1].x2() - 160, M, 5e-5) && near(log.lines[1].y2() - 112.5, N, 5e-5));
    QVERIFY(near(log.lines[1].x2(), secondEnd.x(), 5e-5) && near(log.lines[1].y2(), secondEnd.y(), 5e-5));
    QVERIFY(near(log.lines[2].x2(), thirdEnd.x(), 5e-5) && near(log.lines[2].y2(), thirdEnd.y(), 5e-5));
    QCOMPARE(log.dots.size(), dotsPerCurve);
}

void CurveTest::defaultCurveDots()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    CurveLog log(form);
    form.Form_Activate();

    const Dot &first = log.dots[0];
    QCOMPARE(first.X, 20.0);
    QCOMPARE(first.Y, 0.0);
    QCOMPARE(first.Z, 0.0);
    QVERIFY(near(first.x, 145.857864, 5e-6) && near(first.y, 126.642136, 5e-6));
    QCOMPARE(first.color, QColor(0, 0, 128));

    const Dot &quarter = log.dots[90 / 5];
    QVERIFY(near(quarter.X, 47.1238902, 5e-8));
    QVERIFY(near(quarter.Y, 15.0000000, 5e-8));
    QVERIFY(near(quarter.Z, 6.28318548, 5e-9));
    QVERIFY(near(quarter.x, 137.284973, 5e-6) && near(quarter.y, 150.145035, 5e-6));

    // The screen's variables keep the last point: rho 720, mu 360.
    const Dot &last = log.dots.last();
    QCOMPARE(form.X, last.X);
    QCOMPARE(form.Z, last.Z);
    QCOMPARE(float(form.M + double(form.CX)), last.x);
    QCOMPARE(float(form.N + double(form.CY)), last.y);
}

void CurveTest::curveDotsToTheLastBit_data()
{
    QTest::addColumn<int>("rho");
    QTest::addColumn<int>("mu");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("Z");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    // Worked out apart from the program, step by step: each angle times P1 rounded
    // to single precision, its cosine and sine in double, the point and its
    // displacement in double, the plotted coordinates rounded to single precision.
    QTest::newRow("5, 5") << 5 << 5 << 0x1.6882c45355a86p+4 << 0x1.6be25b9defedap+0 << 0x1.6571840000000p-2
                          << 0x1.22252ep+7f << 0x1.022d52p+7f;
    QTest::newRow("125, 245") << 125 << 245 << -0x1.48207dc5b022ap+6 << 0x1.379269b604a6fp+5
                              << 0x1.11aaea0000000p+4 << 0x1.eb16ccp+7f << 0x1.03b83ap+6f;
    QTest::newRow("355, 90") << 355 << 90 << 0x1.778e79e5e36a4p+5 << 0x1.9e4930e925c39p+3 << 0x1.921fb60000000p+2
                             << 0x1.0feb5cp+7f << 0x1.2921dep+7f;
    QTest::newRow("540, 180") << 540 << 180 << -0x1.c8fdba9fffff9p+6 << -0x1.46da0bab57e9ep-19
                              << 0x1.921fb60000000p+3 << 0x1.e1921ep+7f << 0x1.325f36p+4f;
    QTest::newRow("715, 355") << 715 << 355 << 0x1.9a3031948fa7ap+7 << -0x1.2d0a3af2d1455p+3
                              << 0x1.8c89ee0000000p+4 << 0x1.0a61d8p+3f << 0x1.c42ce2p+7f;
    QTest::newRow("720, 360") << 720 << 360 << 0x1.a0fdba9fffe5fp+7 << 0x1.2a781a8bbac01p-15
                              << 0x1.921fb60000000p+4 << 0x1.9248e2p+3f << 0x1.d59782p+7f;
}

void CurveTest::curveDotsToTheLastBit()
{
    QFETCH(int, rho);
    QFETCH(int, mu);
    QFETCH(double, X);
    QFETCH(double, Y);
    QFETCH(double, Z);
    QFETCH(float, x);
    QFETCH(float, y);
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    CurveLog log(form);
    form.Form_Activate();
    QCOMPARE(log.dots.size(), dotsPerCurve);

    const Dot &dot = log.dots[rho / 5 * 73 + mu / 5];
    // Exact comparisons: a bit lost anywhere in the chain shows here.
    const QString got = QString::asprintf("got %.17g %.17g %.17g, plotted at %.9g %.9g", dot.X, dot.Y, dot.Z,
                                          double(dot.x), double(dot.y));
    QVERIFY2(dot.X == X && dot.Y == Y && dot.Z == Z, qPrintable(got));
    QVERIFY2(dot.x == x && dot.y == y, qPrintable(got));
}

void CurveTest::dotOrder()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    CurveLog log(form);
    form.Form_Activate();

    QCOMPARE(log.dots.size(), dotsPerCurve);
    // Mu runs inside Rho: every pass of 73 dots starts at the same dot...
    for (int pass = 0; pass < 145; ++pass) {
        QCOMPARE(log.dots[pass * 73].x, log.dots[0].x);
        QCOMPARE(log.dots[pass * 73].y, log.dots[0].y);
    }
    // ...and both mu = 0 and mu = 360 are drawn, at different places (Z has risen).
    QVERIFY(near(log.dots[72].Z, 4 * 2 * M_PI, 1e-5));
    QVERIFY(log.dots[72].y != log.dots[0].y);
    // The spiral term turns with rho: the same mu in the next pass lies elsewhere.
    QVERIFY(log.dots[1].x != log.dots[73 + 1].x);
}

void CurveTest::flatAndRepeatedCurves_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("step");
    QTest::addColumn<bool>("passesRepeat");
    QTest::addColumn<bool>("flat");
    QTest::newRow("ratio 0: the same ellipse every pass") << 0.0 << 1.0 << true << false;
    QTest::newRow("step 0: flat in the X-Y plane") << 3.0 << 0.0 << false << true;
}

void CurveTest::flatAndRepeatedCurves()
{
    QFETCH(double, ratio);
    QFETCH(double, step);
    QFETCH(bool, passesRepeat);
    QFETCH(bool, flat);
    Parameters p;
    p.e = ratio;
    p.p = step;
    setParameters(p);
    Form4 &form = drawingScreen(0.75);
    CurveLog log(form);
    form.Form_Activate();
    QCOMPARE(log.dots.size(), dotsPerCurve);

    bool repeated = true;
    bool allFlat = true;
    for (int i = 0; i < dotsPerCurve; ++i) {
        repeated = repeated && log.dots[i].x == log.dots[i % 73].x && log.dots[i].y == log.dots[i % 73].y;
        allFlat = allFlat && log.dots[i].Z == 0.0;
    }
    QCOMPARE(repeated, passesRepeat);
    QCOMPARE(allFlat, flat);
    if (passesRepeat) {
        // Z still rises as the step times mu.
        QVERIFY(near(log.dots[72].Z, 2 * M_PI, 1e-6));
    }
}

void CurveTest::colourAdvancesPerActivation()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    Form3 &set = Single::instance<Form3>();
    QList<int> colours;
    for (int i = 0; i < 17; ++i) {
        CurveLog log(form);
        form.Form_Activate();
        QCOMPARE(log.dots.size(), dotsPerCurve);
        colours << set.Miocolor;
        QCOMPARE(log.dots.first().color, QBColor(set.Miocolor));
        QCOMPARE(log.dots.last().color, QBColor(set.Miocolor));
    }
    QCOMPARE(colours, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1, 2}));
}

void CurveTest::renderedDefaultCurve()
{
    setParameters({});
    const QSize pixels(600, 450);
    Form4 &form = drawingScreen(0.75, pixels);
    CurveLog log(form);
    form.Form_Activate();
    const QImage &image = form.surface().image();

    // Each dot's pixel carries the curve's colour (later dots may cover earlier ones,
    // but all are of one colour), and nothing else on the surface has it except the axes.
    const QColor blue(0, 0, 128);
    for (const Dot &dot : log.dots) {
        const QPoint pixel(int(std::floor(double(dot.x) * 600 / 300)), int(std::floor(double(dot.y) * 450 / 225)));
        if (QRect(QPoint(0, 0), pixels).contains(pixel))
            QVERIFY2(image.pixelColor(pixel) == blue || image.pixelColor(pixel) == form.surface().foreground(),
                     qPrintable(QStringLiteral("dot at %1,%2").arg(pixel.x()).arg(pixel.y())));
    }
    // The vertical axis above the curve's top, in the foreground colour.
    const QColor foreground = form.surface().foreground();
    QCOMPARE(image.pixelColor(320, 5), foreground);
    QCOMPARE(image.pixelColor(300, 5), form.surface().background());
    // The first dot of every pass: 145.857864 * 2, 126.642136 * 2.
    QCOMPARE(image.pixelColor(291, 253), blue);
    QCOMPARE(image.pixelColor(290, 252), blue);
}

void CurveTest::extremeParametersDrawWithinTheSurface_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("ratio");
    QTest::newRow("huge axis") << 1e300 << 45.0 << 3.0;
    QTest::newRow("huge negative axis") << -1e300 << 45.0 << 3.0;
    QTest::newRow("tiny axis") << 1e-300 << 45.0 << 3.0;
    QTest::newRow("huge angle") << 20.0 << 1e15 << 3.0;
    QTest::newRow("huge ratio") << 20.0 << 45.0 << 1e300;
}

void CurveTest::extremeParametersDrawWithinTheSurface()
{
    QFETCH(double, a);
    QFETCH(double, alpha);
    QFETCH(double, ratio);
    ProgramRecorder recorder;
    Parameters p;
    p.a = a;
    p.alpha = alpha;
    p.e = ratio;
    setParameters(p);
    Form4 &form = drawingScreen(0.75, QSize(1280, 960));
    CurveLog log(form);
    QElapsedTimer timer;
    timer.start();
    Program::handle([&] { form.Form_Activate(); });
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(log.dots.size(), dotsPerCurve);
    QVERIFY(recorder.endings.isEmpty());
    QCOMPARE(form.surface().image().size(), QSize(1280, 960));
}

void CurveTest::incompleteSetDrawsNothing()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    form.Form_Activate();
    const QImage before = form.surface().image();
    Form3 &set = Single::instance<Form3>();
    QCOMPARE(int(set.Miocolor), 1);

    set.VALc = ParamValue::failureMark();
    CurveLog log(form);
    ProgramRecorder recorder;
    Program::handle([&] { form.Form_Activate(); });
    QVERIFY(log.lines.isEmpty());
    QVERIFY(log.dots.isEmpty());
    QCOMPARE(form.surface().image(), before);
    QCOMPARE(int(set.Miocolor), 1);
    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(recorder.endings.isEmpty());

    set.VALc = 10.0;
    form.Form_Activate();
    QCOMPARE(log.dots.size(), dotsPerCurve);
    QCOMPARE(int(set.Miocolor), 2);
}

QTEST_MAIN(CurveTest)
#include "tst_curve.moc"
