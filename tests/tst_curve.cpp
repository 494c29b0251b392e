// The drawing screen's numbers: scale, centre, axis lines and the curve, dot by
// dot, from a parameter set and an aspect factor; read from the curve's model
// points, the record of what the screen drew and its picture.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "runtime/Angles.h"
#include "runtime/Palette.h"
#include "runtime/Program.h"
#include "runtime/Single.h"
#include "runtime/SinglePrecision.h"

#include <QElapsedTimer>
#include <QtTest>
#include <cmath>

namespace {
constexpr int dotsPerCurve = 145 * 73;

struct Parameters {
    double a = 20, b = 15, c = 10, d = 5, e = 3, p = 1, alpha = 45, beta = 45;
    CurveValues values() const { return {a, b, c, d, e, p, alpha, beta}; }
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

// The model points of a curve, as the drawing screen's P1 gives them.
std::vector<CurveModel::Point> modelPoints(const Parameters &p)
{
    return CurveModel().points(p.values(), Angles::P1());
}

// Where the drawing screen plots a model point, in user units: displaced from the centre of the
// 300-unit-wide surface at the aspect factor 0,75 by the projection of the parameters' angles.
QPointF plottedAt(const CurveModel::Point &point, const Parameters &p)
{
    const float centreX = 160, centreY = 112.5;
    const Projection::Displacement moved = Projection::transform(point.X, point.Y, point.Z, Projection::view(p.alpha, p.beta, Angles::P1()));
    return QPointF(toSingle(moved.M + double(centreX)), toSingle(moved.N + double(centreY)));
}

// Where the record keeps the dot plotted at (x, y) in user units: the top-left corner of its
// square, two device pixels wide, centred on the point.
QPointF recordedCorner(const Surface &surface, float x, float y)
{
    return QPointF(std::floor(surface.scale().toPixelX(x) - 0.5), std::floor(surface.scale().toPixelY(y) - 0.5));
}

// The recorded dots in drawing order, and the colour of each.
struct RecordedDots {
    QList<QPointF> corners;
    QList<QRgb> colours;
};
RecordedDots recordedDots(const MarkRecord &record)
{
    RecordedDots dots;
    for (const MarkRecord::Run &run : record.runs())
        if (run.kind == MarkRecord::Kind::Dots)
            for (std::uint32_t i = run.first; i < run.first + run.count; ++i) {
                dots.corners << record.point(i);
                dots.colours << run.colour;
            }
    return dots;
}

QList<QLineF> recordedLines(const MarkRecord &record)
{
    QList<QLineF> lines;
    for (const MarkRecord::Run &run : record.runs())
        if (run.kind == MarkRecord::Kind::Lines)
            for (std::uint32_t i = run.first; i < run.first + run.count; i += 2)
                lines << QLineF(record.point(i), record.point(i + 1));
    return lines;
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
    form.Form_Activate();

    const Surface &surface = form.surface();
    QCOMPARE(surface.ScaleWidth(), 300.0f);
    QCOMPARE(surface.ScaleHeight(), 225.0f);
    QCOMPARE(surface.DrawWidth(), 2);

    // The lines as far as they lie on the picture (in logical pixels): the first from the top edge
    // down to the centre, the other two from the centre towards the centre displaced by M and N,
    // and by N and M, until they leave the picture.
    // The record keeps them in single precision.
    const auto at = [](QPointF a, QPointF b) { return near(a.x(), b.x(), 1e-4) && near(a.y(), b.y(), 1e-4); };
    const QPointF centre(surface.scale().toPixelX(160), surface.scale().toPixelY(112.5));
    QList<QLineF> lines;
    for (const QLineF &line : recordedLines(surface.record()))
        lines << (at(line.p2(), centre) ? QLineF(line.p2(), line.p1()) : line);
    QCOMPARE(lines.size(), 3);
    QVERIFY(at(lines[0].p1(), centre) && at(lines[0].p2(), QPointF(centre.x(), 0)));
    const auto pixels = [&](QPointF user) { return QPointF(surface.scale().toPixelX(float(user.x())), surface.scale().toPixelY(float(user.y()))); };
    const QPointF ends[2] = {pixels(secondEnd), pixels(thirdEnd)};
    const QPointF displaced[2] = {pixels(QPointF(160 + M, 112.5 + N)), pixels(QPointF(160 + N, 112.5 + M))};
    for (int i = 0; i < 2; ++i) {
        QVERIFY(near(ends[i].x(), displaced[i].x(), 1e-3) && near(ends[i].y(), displaced[i].y(), 1e-3));
        const QLineF drawn = lines[i + 1];
        QVERIFY(at(drawn.p1(), centre));
        const QPointF along = drawn.p2() - centre;
        const QPointF wanted = ends[i] - centre;
        const double sine = (along.x() * wanted.y() - along.y() * wanted.x()) / (QLineF(centre, drawn.p2()).length() * QLineF(centre, ends[i]).length());
        QVERIFY2(std::abs(sine) < 1e-5 && along.x() * wanted.x() + along.y() * wanted.y() > 0, qPrintable(QString::number(sine)));
        // Both ends lie beyond the picture: the line stops at its edge, widened by the pen.
        QVERIFY(drawn.p2().x() <= -2 + 1e-3 || drawn.p2().x() >= 1280 + 2 - 1e-3 || drawn.p2().y() >= 960 + 2 - 1e-3);
    }
    QCOMPARE(surface.record().dotCount(), std::uint64_t(dotsPerCurve));
}

void CurveTest::defaultCurveDots()
{
    setParameters({});
    const std::vector<CurveModel::Point> points = modelPoints({});
    QCOMPARE(int(points.size()), dotsPerCurve);
    QCOMPARE(points[0], (CurveModel::Point{20, 0, 0}));
    const CurveModel::Point quarter = points[90 / 5];
    QVERIFY(near(quarter.X, 47.1238902, 5e-8));
    QVERIFY(near(quarter.Y, 15.0000000, 5e-8));
    QVERIFY(near(quarter.Z, 6.28318548, 5e-9));

    Form4 &form = drawingScreen(0.75);
    form.Form_Activate();
    const RecordedDots dots = recordedDots(form.surface().record());
    QCOMPARE(dots.corners.size(), dotsPerCurve);
    QCOMPARE(dots.corners[0], recordedCorner(form.surface(), 145.857864f, 126.642136f));
    QCOMPARE(dots.corners[90 / 5], recordedCorner(form.surface(), 137.284973f, 150.145035f));
    QCOMPARE(dots.colours[0], qRgb(0, 0, 128));

    // Every dot where the model point, projected from the centre, falls.
    for (int i = 0; i < dotsPerCurve; ++i) {
        const QPointF plotted = plottedAt(points[std::size_t(i)], {});
        QCOMPARE(dots.corners[i], recordedCorner(form.surface(), float(plotted.x()), float(plotted.y())));
    }
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
    form.Form_Activate();

    const int index = rho / 5 * 73 + mu / 5;
    // Exact comparisons: a bit lost anywhere in the chain shows here.
    const CurveModel::Point point = modelPoints({})[std::size_t(index)];
    const QPointF plotted = plottedAt(point, {});
    const float plottedX = float(plotted.x());
    const float plottedY = float(plotted.y());
    const QString got = QString::asprintf("got %.17g %.17g %.17g, plotted at %.9g %.9g", point.X, point.Y, point.Z,
                                          double(plottedX), double(plottedY));
    QVERIFY2(point.X == X && point.Y == Y && point.Z == Z, qPrintable(got));
    QVERIFY2(plottedX == x && plottedY == y, qPrintable(got));
    QCOMPARE(recordedDots(form.surface().record()).corners[index], recordedCorner(form.surface(), x, y));
}

void CurveTest::dotOrder()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    form.Form_Activate();
    const QList<QPointF> dots = recordedDots(form.surface().record()).corners;
    const std::vector<CurveModel::Point> points = modelPoints({});

    QCOMPARE(dots.size(), dotsPerCurve);
    // Mu runs inside Rho: every pass of 73 dots starts at the same dot...
    for (int pass = 0; pass < 145; ++pass)
        QCOMPARE(dots[pass * 73], dots[0]);
    // ...and both mu = 0 and mu = 360 are drawn, at different places (Z has risen).
    QVERIFY(near(points[72].Z, 4 * 2 * M_PI, 1e-5));
    QVERIFY(dots[72] != dots[0]);
    // The spiral term turns with rho: the same mu in the next pass lies elsewhere.
    QVERIFY(dots[1] != dots[73 + 1]);
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
    const std::vector<CurveModel::Point> points = modelPoints(p);
    QCOMPARE(int(points.size()), dotsPerCurve);

    bool repeated = true;
    bool allFlat = true;
    for (int i = 0; i < dotsPerCurve; ++i) {
        repeated = repeated && points[std::size_t(i)] == points[std::size_t(i % 73)];
        allFlat = allFlat && points[std::size_t(i)].Z == 0.0;
    }
    QCOMPARE(repeated, passesRepeat);
    QCOMPARE(allFlat, flat);
    if (passesRepeat) {
        // Z still rises as the step times mu.
        QVERIFY(near(points[72].Z, 2 * M_PI, 1e-6));
    }
}

void CurveTest::colourAdvancesPerActivation()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    Form3 &set = Single::instance<Form3>();
    QList<int> colours;
    for (int i = 0; i < 17; ++i) {
        form.Form_Activate();
        const MarkRecord &record = form.surface().record();
        QCOMPARE(record.dotCount(), std::uint64_t((i + 1) * dotsPerCurve));
        QCOMPARE(record.runs().back().count, std::uint32_t(dotsPerCurve));
        QCOMPARE(record.runs().back().colour, QBColor(set.Miocolor).rgb());
        QCOMPARE(form.curves().back().colour, int(set.Miocolor));
        colours << set.Miocolor;
    }
    QCOMPARE(colours, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1, 2}));
}

void CurveTest::renderedDefaultCurve()
{
    setParameters({});
    const QSize pixels(600, 450);
    Form4 &form = drawingScreen(0.75, pixels);
    form.Form_Activate();
    const QImage image = form.surface().image();

    // Each dot's square carries the curve's colour (later dots may cover earlier ones, but all
    // are of one colour) where it lies on the surface, unless an axis crosses it.
    const QColor blue(0, 0, 128);
    const QColor foreground = form.surface().foreground();
    for (const QPointF &corner : recordedDots(form.surface().record()).corners) {
        const QRect square = QRect(corner.toPoint(), QSize(2, 2)) & image.rect();
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                QVERIFY2(image.pixelColor(x, y) == blue || image.pixelColor(x, y) == foreground,
                         qPrintable(QStringLiteral("dot at %1,%2").arg(x).arg(y)));
    }
    // The vertical axis above the curve's top, in the foreground colour.
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
    Answers recorder;
    Parameters p;
    p.a = a;
    p.alpha = alpha;
    p.e = ratio;
    setParameters(p);
    Form4 &form = drawingScreen(0.75, QSize(1280, 960));
    QElapsedTimer timer;
    timer.start();
    Program::handle([&] { form.Form_Activate(); });
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(form.curves().size(), std::size_t(1));
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(form.surface().image().size(), QSize(1280, 960));
}

void CurveTest::incompleteSetDrawsNothing()
{
    setParameters({});
    Form4 &form = drawingScreen(0.75);
    form.Form_Activate();
    const QImage before = form.surface().image();
    const MarkRecord &record = form.surface().record();
    const std::size_t runs = record.runs().size();
    Form3 &set = Single::instance<Form3>();
    QCOMPARE(int(set.Miocolor), 1);

    set.VALc = ParamValue::failureMark();
    Answers recorder;
    Program::handle([&] { form.Form_Activate(); });
    QCOMPARE(record.runs().size(), runs);
    QCOMPARE(record.dotCount(), std::uint64_t(dotsPerCurve));
    QCOMPARE(form.curves().size(), std::size_t(1));
    QCOMPARE(form.surface().image(), before);
    QCOMPARE(int(set.Miocolor), 1);
    QVERIFY(recorder.messages.isEmpty());

    set.VALc = 10.0;
    form.Form_Activate();
    QCOMPARE(record.dotCount(), std::uint64_t(2 * dotsPerCurve));
    QCOMPARE(int(set.Miocolor), 2);
}

QTEST_MAIN(CurveTest)
#include "tst_curve.moc"
