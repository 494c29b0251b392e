// The 3D view's lit surfaces: nearer samples hide farther ones whatever the order, the light and
// the darker inner side, the section that leaves nothing on the viewer's side and shows what the
// outer shell hid, lines and dots hidden behind surfaces, and the same bits on any number of threads.
#include "view3d/CurveCloud.h"
#include "view3d/MotionFrames.h"
#include "view3d/SurfaceFiller.h"
#include "view3d/SurfaceLight.h"
#include "view3d/ViewFrame.h"

#include <QtTest>
#include <cmath>

namespace {
using Point = CurveModel::Point;
const QRgb background = qRgb(239, 239, 239);
const QSize frameSize(320, 240);

// Seen from straight above: X goes down the screen, Y to the right, Z towards the viewer; s pixels
// a model unit, the origin at the frame's centre.
ViewMap fromAbove(double s = 1)
{
    return {frameSize.width() / 2.0, 0, s, frameSize.height() / 2.0, s, 0, 0, 0, 0, 0, s};
}

// The map of a view turned as a turntable is, s pixels a model unit, the origin at the centre.
ViewMap turned(double azimuth, double elevation, double s)
{
    Turntable turntable;
    turntable.setAngles({azimuth, elevation});
    const Turntable::Axes a = turntable.axes();
    return {frameSize.width() / 2.0, s * a.xX, s * a.xY, frameSize.height() / 2.0, s * a.yX, s * a.yY, s * a.yZ,
            0, s * a.zX, s * a.zY, s * a.zZ};
}

// A normal given as the view sees it (right, up, towards the viewer), in the model of fromAbove().
Point modelNormal(double right, double up, double towards)
{
    const double length = std::sqrt(right * right + up * up + towards * towards);
    return {-up / length, right / length, towards / length};
}

Point cross(const Point &u, const Point &v)
{
    return {u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X};
}

Point unit(const Point &p)
{
    const double length = std::sqrt(p.X * p.X + p.Y * p.Y + p.Z * p.Z);
    return {p.X / length, p.Y / length, p.Z / length};
}

// A triangle of the model; seen from above, its outer side faces the viewer unless turned over.
SurfaceMesh triangle(const Point &a, const Point &b, const Point &c, const Point &normal, bool turnedOver = false)
{
    SurfaceMesh mesh{{a, b, c}, {normal, normal, normal}, {{0, 1, 2}}};
    if (turnedOver)
        mesh.triangles[0] = {0, 2, 1};
    return mesh;
}

// A square grid of 2 n triangles a side at height z, centred on the Z axis.
SurfaceMesh plate(double half, double z, int n)
{
    SurfaceMesh mesh;
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) {
            mesh.vertices.push_back({-half + 2 * half * i / n, -half + 2 * half * j / n, z});
            mesh.normals.push_back({0, 0, 1});
        }
    const auto at = [n](int i, int j) { return std::uint32_t(i * (n + 1) + j); };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            mesh.triangles.push_back({at(i, j), at(i + 1, j), at(i, j + 1)});
            mesh.triangles.push_back({at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
        }
    return mesh;
}

QImage filled(const ViewMap &map, const std::vector<std::pair<const SurfaceMesh *, QRgb>> &surfaces, FillOptions options = {})
{
    SurfaceFiller filler(map, frameSize, options);
    for (const auto &[mesh, colour] : surfaces)
        filler.addSurface(*mesh, colour);
    QImage image(frameSize, QImage::Format_RGB32);
    filler.draw(image, background);
    return image;
}

int countOf(const QImage &image, const std::function<bool(QRgb)> &which)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += which(image.pixel(x, y));
    return count;
}

// The default curve stretched upwards, a horn; and the same horn with rings half as wide, inside it.
const CurveValues horn{20, 15, 10, 5, 3, 8, 45, 45};
const CurveValues innerHorn{20, 15, 5, 2.5, 3, 8, 45, 45};
const CurveValues crossing{10, 8, 5, 3, 3, 6, 45, 45};

FrameStyle surfaceStyle(ViewLook look, bool section, bool smooth)
{
    FrameStyle style{QColor(background), Qt::black, 2, {}};
    style.look = look;
    style.section = section;
    style.smooth = smooth;
    return style;
}

QImage frameOf(const PictureCurves &curves, const ViewAngles &angles, const FrameStyle &style)
{
    CurveCloud cloud;
    cloud.setCurves(curves);
    Turntable turntable;
    turntable.setAngles(angles);
    QImage image(frameSize, QImage::Format_RGB32);
    ViewFrame(cloud, turntable, 1, frameSize, 1).render(image, style);
    return image;
}

// Red or blue light: the channel of the colour a pixel is of, far above the others.
bool reddish(QRgb p) { return qRed(p) > qBlue(p) + 40 && qRed(p) > qGreen(p) + 40; }
bool bluish(QRgb p) { return qBlue(p) > qRed(p) + 40 && qBlue(p) > qGreen(p) + 40; }
}

class SurfaceFillTest : public QObject {
    Q_OBJECT
private slots:
    void nearerWinsInEitherOrder_data();
    void nearerWinsInEitherOrder();
    void curvesThroughEachOtherInEitherOrder_data();
    void curvesThroughEachOtherInEitherOrder();
    void facingTheLightIsBrighter_data();
    void facingTheLightIsBrighter();
    void insideIsDarkerNeverBlack_data();
    void insideIsDarkerNeverBlack();
    void sameBitsOnAnyThreads_data();
    void sameBitsOnAnyThreads();
    void nothingOnTheViewersSide_data();
    void nothingOnTheViewersSide();
    void sectionShowsTheInnerCurve_data();
    void sectionShowsTheInnerCurve();
    void flatCurveKeepsItsDots();
    void linesHiddenBehindSurfaces_data();
    void linesHiddenBehindSurfaces();
    void savedFramesAreSmooth();
};

void SurfaceFillTest::nearerWinsInEitherOrder_data()
{
    QTest::addColumn<double>("redDepth");
    QTest::addColumn<double>("blueDepth");
    QTest::addColumn<bool>("smooth");
    QTest::addColumn<QString>("winner");
    QTest::newRow("red nearer") << 10.0 << -10.0 << false << "red";
    QTest::newRow("blue nearer") << -10.0 << 10.0 << false << "blue";
    QTest::newRow("blue nearer, smooth") << -0.5 << 0.5 << true << "blue";
    // At equal depth one of the two, whichever order they come in.
    QTest::newRow("equal depth") << 3.0 << 3.0 << false << "either";
}

// Two triangles crossing each other's middle, given in both orders: the same pixels, and where they
// overlap the nearer's colour, as it is drawn alone.
void SurfaceFillTest::nearerWinsInEitherOrder()
{
    QFETCH(double, redDepth);
    QFETCH(double, blueDepth);
    QFETCH(bool, smooth);
    QFETCH(QString, winner);
    const Point up = modelNormal(0, 0, 1);
    const SurfaceMesh red = triangle({-60, -80, redDepth}, {60, -40, redDepth}, {-40, 90, redDepth}, up);
    const SurfaceMesh blue = triangle({-70, 70, blueDepth}, {-20, -90, blueDepth}, {70, 60, blueDepth}, up);
    FillOptions options;
    options.smooth = smooth;
    const QImage redThenBlue = filled(fromAbove(), {{&red, qRgb(255, 0, 0)}, {&blue, qRgb(0, 0, 255)}}, options);
    const QImage blueThenRed = filled(fromAbove(), {{&blue, qRgb(0, 0, 255)}, {&red, qRgb(255, 0, 0)}}, options);
    QCOMPARE(redThenBlue, blueThenRed);
    const QPoint overlap(frameSize.width() / 2, frameSize.height() / 2);
    const QRgb redAlone = filled(fromAbove(), {{&red, qRgb(255, 0, 0)}}, options).pixel(overlap);
    const QRgb blueAlone = filled(fromAbove(), {{&blue, qRgb(0, 0, 255)}}, options).pixel(overlap);
    const QRgb seen = redThenBlue.pixel(overlap);
    if (winner == QLatin1String("either"))
        QVERIFY(seen == redAlone || seen == blueAlone);
    else
        QCOMPARE(seen, winner == QLatin1String("red") ? redAlone : blueAlone);
    QVERIFY(countOf(redThenBlue, reddish) > 1000 && countOf(redThenBlue, bluish) > 1000);
}

void SurfaceFillTest::curvesThroughEachOtherInEitherOrder_data()
{
    QTest::addColumn<ViewLook>("look");
    QTest::addColumn<bool>("section");
    QTest::addColumn<bool>("smooth");
    QTest::newRow("surfaces") << ViewLook::surface << false << false;
    QTest::newRow("surfaces and dots, smooth") << ViewLook::surfaceAndDots << false << true;
    QTest::newRow("section") << ViewLook::surface << true << false;
}

// Two horns that pass through each other, and the frame is the same whichever the picture holds
// first.
void SurfaceFillTest::curvesThroughEachOtherInEitherOrder()
{
    QFETCH(ViewLook, look);
    QFETCH(bool, section);
    QFETCH(bool, smooth);
    const PictureCurve red{12, horn, 1}, blue{9, crossing, 1};
    const ViewAngles angles{30, 25};
    const FrameStyle style = surfaceStyle(look, section, smooth);
    const QImage redFirst = frameOf({red, blue}, angles, style);
    QCOMPARE(frameOf({blue, red}, angles, style), redFirst);
    QVERIFY(countOf(redFirst, reddish) > 500);
    QVERIFY(countOf(redFirst, bluish) > 500);
}

void SurfaceFillTest::facingTheLightIsBrighter_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("inside");
    QTest::newRow("grey, outside") << qRgb(128, 128, 128) << false;
    QTest::newRow("dark blue, outside") << qRgb(0, 0, 128) << false;
    QTest::newRow("yellow, inside") << qRgb(255, 255, 0) << true;
}

// A face turned to the light is brighter than one turned 60 degrees from it, on either side; the
// light comes from above and left of the eye.
void SurfaceFillTest::facingTheLightIsBrighter()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, inside);
    const SurfaceLight::Direction d = SurfaceLight::direction();
    QVERIFY(d.x < 0 && d.y > 0 && d.z > 0);
    // Two normals 60 degrees from the light's: towards the view's up, and across.
    const Point l{d.x, d.y, d.z};
    const Point across = unit(cross(l, {0, 1, 0})), along = cross(across, l);
    const double c = 0.5, s = std::sqrt(3) / 2;
    const std::array<Point, 3> normals{l, Point{c * l.X + s * across.X, c * l.Y + s * across.Y, c * l.Z + s * across.Z},
                                       Point{c * l.X + s * along.X, c * l.Y + s * along.Y, c * l.Z + s * along.Z}};
    std::array<int, 3> grey{};
    for (std::size_t i = 0; i < normals.size(); ++i) {
        // Inside, the face's own normal is the reverse of the one lit.
        const double sign = inside ? -1 : 1;
        const Point n = modelNormal(sign * normals[i].X, sign * normals[i].Y, sign * normals[i].Z);
        const SurfaceMesh face = triangle({-50, -50, 0}, {50, -50, 0}, {-50, 50, 0}, n, inside);
        grey[i] = qGray(filled(fromAbove(), {{&face, colour}}).pixel(frameSize.width() / 2 - 10, frameSize.height() / 2 - 10));
    }
    QVERIFY2(grey[0] > grey[1] && grey[0] > grey[2], qPrintable(QStringLiteral("%1 %2 %3").arg(grey[0]).arg(grey[1]).arg(grey[2])));
}

void SurfaceFillTest::insideIsDarkerNeverBlack_data()
{
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("up");
    QTest::addColumn<double>("towards");
    QTest::newRow("facing the viewer") << 0.0 << 0.0 << 1.0;
    QTest::newRow("facing the light") << -1.0 << 1.0 << 1.6;
    QTest::newRow("away from the light") << 1.0 << -1.0 << 0.2;
    QTest::newRow("edge on, down") << 0.0 << -1.0 << 0.0;
}

// The inner side, lit by the same normal as seen, is darker than the outer one and never black.
void SurfaceFillTest::insideIsDarkerNeverBlack()
{
    QFETCH(double, right);
    QFETCH(double, up);
    QFETCH(double, towards);
    const QRgb colour = qRgb(0, 0, 128);
    const QPoint probe(frameSize.width() / 2 - 10, frameSize.height() / 2 - 10);
    const SurfaceMesh outside = triangle({-50, -50, 0}, {50, -50, 0}, {-50, 50, 0}, modelNormal(right, up, towards));
    const SurfaceMesh inside = triangle({-50, -50, 0}, {50, -50, 0}, {-50, 50, 0}, modelNormal(-right, -up, -towards), true);
    const QRgb out = filled(fromAbove(), {{&outside, colour}}).pixel(probe);
    const QRgb in = filled(fromAbove(), {{&inside, colour}}).pixel(probe);
    QVERIFY2(qBlue(in) < qBlue(out), qPrintable(QStringLiteral("%1 %2").arg(qBlue(in)).arg(qBlue(out))));
    QVERIFY(qBlue(in) >= int(128 * SurfaceLight::ambient * SurfaceLight::innerShare));
}

void SurfaceFillTest::sameBitsOnAnyThreads_data()
{
    QTest::addColumn<bool>("smooth");
    QTest::addColumn<bool>("section");
    QTest::newRow("one sample") << false << false;
    QTest::newRow("smooth, section") << true << true;
}

// Surfaces, their dots and the axes, on 1, 2 and 8 threads, and twice on each: the same bits.
void SurfaceFillTest::sameBitsOnAnyThreads()
{
    QFETCH(bool, smooth);
    QFETCH(bool, section);
    CurveCloud cloud;
    cloud.setCurves({{12, horn, 1}, {9, crossing, 1}, {2, innerHorn, 1}});
    Turntable turntable;
    turntable.setAngles({60, 20});
    const ViewMap map = ViewFrame(cloud, turntable, 1.5, frameSize, 1).map();
    const auto frame = [&](unsigned threads) {
        SurfaceFiller filler(map, frameSize, {smooth, section, 1, threads});
        filler.addLine({0, 0, 0}, {0, 0, 200}, 1, qRgb(0, 0, 0));
        for (const CurveCloud::Curve &curve : cloud.curves()) {
            filler.addSurface(curve.surface->mesh(), curve.colour);
            filler.addDots(*curve.points, 2, SurfaceLight::darker(curve.colour), true);
        }
        QImage image(frameSize, QImage::Format_RGB32);
        filler.draw(image, background);
        return image;
    };
    const QImage one = frame(1);
    QVERIFY(countOf(one, [](QRgb p) { return p != background; }) > 5000);
    for (const unsigned threads : {1u, 2u, 8u})
        QCOMPARE(frame(threads), one);
}

void SurfaceFillTest::nothingOnTheViewersSide_data()
{
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<double>("elevation");
    QTest::addColumn<bool>("section");
    QTest::newRow("opening view") << 45.0 << Turntable().elevation() << true;
    QTest::newRow("from above") << 0.0 << 90.0 << true;
    QTest::newRow("from below, turned") << 200.0 << -40.0 << true;
    QTest::newRow("low") << 300.0 << 10.0 << true;
    QTest::newRow("without the section, half of it") << 45.0 << Turntable().elevation() << false;
}

// A plate across the Z axis: every pixel drawn, taken back to the point of the plate it shows, lies
// on the far side of the vertical plane through Z facing the viewer, to a hundredth of a pixel.
void SurfaceFillTest::nothingOnTheViewersSide()
{
    QFETCH(double, azimuth);
    QFETCH(double, elevation);
    QFETCH(bool, section);
    const double height = 15;
    const SurfaceMesh mesh = plate(60, height, 7);
    const ViewMap m = turned(azimuth, elevation, 1.5);
    const QRgb colour = qRgb(0, 128, 0);
    // No cut drawn: every pixel drawn is the plate's.
    const QImage image = filled(m, {{&mesh, colour}}, {false, section, 0, 0});
    const double det = m.xX * m.yY - m.xY * m.yX;
    const auto side = [&](double x, double y) {
        const double u = x - m.ox, v = y - m.oy - m.yZ * height;
        const double X = (u * m.yY - v * m.xY) / det, Y = (m.xX * v - m.yX * u) / det;
        return m.xY * X - m.xX * Y;
    };
    int drawn = 0, beyond = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background)
                continue;
            ++drawn;
            const double at = side(x + 0.5, y + 0.5);
            const double perPixel = std::max(std::abs(side(x + 1.5, y + 0.5) - at), std::abs(side(x + 0.5, y + 1.5) - at));
            beyond += at > 0.01 * perPixel;
        }
    QVERIFY(drawn > 2000);
    if (!section) {
        QVERIFY(beyond > drawn / 3);
        return;
    }
    QCOMPARE(beyond, 0);
    // The cut, drawn: a line in the darker shade, and nothing else changed.
    const QImage withCut = filled(m, {{&mesh, colour}}, {false, true, 1.5, 0});
    int edge = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (withCut.pixel(x, y) != image.pixel(x, y)) {
                QCOMPARE(withCut.pixel(x, y), SurfaceLight::darker(colour));
                ++edge;
            }
    QVERIFY(edge > 60);
}

void SurfaceFillTest::sectionShowsTheInnerCurve_data()
{
    QTest::addColumn<ViewLook>("look");
    QTest::addColumn<bool>("smooth");
    QTest::newRow("surfaces") << ViewLook::surface << false;
    QTest::newRow("surfaces and dots, smooth") << ViewLook::surfaceAndDots << true;
}

// From below, the horn hides the narrower horn inside it, surface and dots; with the section the
// inner one shows.
void SurfaceFillTest::sectionShowsTheInnerCurve()
{
    QFETCH(ViewLook, look);
    QFETCH(bool, smooth);
    const PictureCurves curves{{12, horn, 1}, {9, innerHorn, 1}};
    const ViewAngles below{30, -30};
    const QImage whole = frameOf(curves, below, surfaceStyle(look, false, smooth));
    const QImage cut = frameOf(curves, below, surfaceStyle(look, true, smooth));
    const int hidden = countOf(whole, bluish), shown = countOf(cut, bluish);
    qInfo("inner horn: %d pixels whole, %d with the section", hidden, shown);
    QVERIFY(hidden < 20);
    QVERIFY(shown > 500);
}

// A curve that bounds nothing has no surface: its dots are drawn, where the dots' look has them.
void SurfaceFillTest::flatCurveKeepsItsDots()
{
    const PictureCurves flat{{12, {20, 15, 10, 5, 3, 0, 45, 45}, 1}};
    const auto red = [](QRgb p) { return p == qRgb(255, 0, 0); };
    const QImage dots = frameOf(flat, {45, 30}, surfaceStyle(ViewLook::dots, false, false));
    const QImage surface = frameOf(flat, {45, 30}, surfaceStyle(ViewLook::surface, true, true));
    int both = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            both += red(dots.pixel(x, y)) && red(surface.pixel(x, y));
    QVERIFY(countOf(dots, red) > 500);
    QVERIFY(both > countOf(dots, red) * 0.95);
}

void SurfaceFillTest::linesHiddenBehindSurfaces_data()
{
    QTest::addColumn<double>("depth");
    QTest::addColumn<bool>("shows");
    QTest::newRow("behind") << -5.0 << false;
    QTest::newRow("in front") << 5.0 << true;
}

// A line across a face shows over it only when it is nearer; beside the face it shows always.
void SurfaceFillTest::linesHiddenBehindSurfaces()
{
    QFETCH(double, depth);
    QFETCH(bool, shows);
    const SurfaceMesh face = triangle({-50, -50, 0}, {50, -50, 0}, {-50, 50, 0}, modelNormal(0, 0, 1));
    SurfaceFiller filler(fromAbove(), frameSize, {});
    filler.addSurface(face, qRgb(255, 255, 0));
    filler.addLine({-20, -100, depth}, {-20, 100, depth}, 2, qRgb(0, 0, 0));
    QImage image(frameSize, QImage::Format_RGB32);
    filler.draw(image, background);
    // The line runs across the screen at y = 120 - 20, over the face from x = 110 to 180 and
    // beside it farther right.
    QCOMPARE(image.pixel(140, 100) == qRgb(0, 0, 0), shows);
    QCOMPARE(image.pixel(250, 100), qRgb(0, 0, 0));
}

// A motion's frames are saved: smooth, even from a view moving with one sample a pixel.
void SurfaceFillTest::savedFramesAreSmooth()
{
    FrameStyle style = surfaceStyle(ViewLook::surface, false, false);
    const PictureCurves curves{{12, horn, 1}};
    MotionFrames frames({curves, std::nullopt, Motion{Turn{}, std::nullopt}, {45, 20}, 1, frameSize, 1, style});
    style.smooth = true;
    QCOMPARE(frames.frame(0), frameOf(curves, {45, 20}, style));
    style.smooth = false;
    QVERIFY(frames.frame(0) != frameOf(curves, {45, 20}, style));
}

QTEST_MAIN(SurfaceFillTest)
#include "tst_surfacefill.moc"
