// The drawing surface: user scale to pixels, dots, lines, clearing, growing.
#include "runtime/Failure.h"
#include "runtime/Palette.h"
#include "runtime/Surface.h"

#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {
Surface surfaceOf(QSize pixels, qreal dpr = 1.0)
{
    Surface surface;
    surface.setColors(Qt::black, QColor(240, 240, 240));
    surface.resize(pixels, dpr, 96.0);
    return surface;
}

int countPixels(const QImage &image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}
}

class SurfaceTest : public QObject {
    Q_OBJECT
private slots:
    void userPointToPixel_data();
    void userPointToPixel();
    void scaleModes();
    void invalidScale();
    void dotWidth_data();
    void dotWidth();
    void farAwayDrawingIsDroppedOrClipped();
    void lineInForeground();
    void clsAndGrowth();
    void highDpiDotsAreCrisp();
    void paintedBeforeAndAfterTheFirstDrawing_data();
    void paintedBeforeAndAfterTheFirstDrawing();
};

void SurfaceTest::userPointToPixel_data()
{
    QTest::addColumn<float>("scaleWidth");
    QTest::addColumn<float>("scaleHeight");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QPoint>("pixel");

    // 300 units over 1280 pixels: 4.2666... pixels a unit.
    QTest::newRow("300 wide, centre") << 300.0f << 225.0f << QSize(1280, 960) << QPointF(160, 112.5) << QPoint(682, 480);
    QTest::newRow("300 wide, first dot") << 300.0f << 225.0f << QSize(1280, 960)
                                         << QPointF(145.857864, 126.642136) << QPoint(622, 540);
    QTest::newRow("300 wide, origin") << 300.0f << 225.0f << QSize(1280, 960) << QPointF(0, 0) << QPoint(0, 0);
    QTest::newRow("calibration, centre") << 146367.359375f << 74647.3515625f << QSize(1280, 1005)
                                         << QPointF(93183.6796875, 37323.67578125) << QPoint(814, 502);
    QTest::newRow("calibration, first point") << 146367.359375f << 74647.3515625f << QSize(1280, 1005)
                                              << QPointF(129551.046875, 37323.67578125) << QPoint(1132, 502);
    QTest::newRow("calibration, left of circle") << 146367.359375f << 74647.3515625f << QSize(1280, 1005)
                                                 << QPointF(56816.31640625, 37323.67578125) << QPoint(496, 502);
}

void SurfaceTest::userPointToPixel()
{
    QFETCH(float, scaleWidth);
    QFETCH(float, scaleHeight);
    QFETCH(QSize, pixels);
    QFETCH(QPointF, point);
    QFETCH(QPoint, pixel);

    Surface surface = surfaceOf(pixels);
    surface.setScaleMode(0);
    surface.setScaleWidth(scaleWidth);
    surface.setScaleHeight(scaleHeight);
    surface.setDrawWidth(1);
    surface.PSet(float(point.x()), float(point.y()), QBColor(4));
    QCOMPARE(surface.image().pixelColor(pixel), QColor(128, 0, 0));
    QCOMPARE(countPixels(surface.image(), QColor(128, 0, 0)), 1);
}

void SurfaceTest::scaleModes()
{
    Surface surface = surfaceOf(QSize(960, 480));
    QCOMPARE(surface.ScaleMode(), 1);
    QCOMPARE(surface.ScaleWidth(), 14400.0f);

    surface.setScaleMode(7);
    QCOMPARE(surface.ScaleWidth(), 25.4f);
    QCOMPARE(surface.ScaleHeight(), 12.7f);

    // Setting one extent switches to user units; the other keeps its centimetres.
    surface.setScaleWidth(300);
    QCOMPARE(surface.ScaleMode(), 0);
    QCOMPARE(surface.ScaleWidth(), 300.0f);
    QCOMPARE(surface.ScaleHeight(), 12.7f);

    // User units stretch with the client area.
    surface.setScaleHeight(150);
    surface.resize(QSize(1920, 960), 1.0, 96.0);
    QCOMPARE(surface.ScaleWidth(), 300.0f);
    surface.setDrawWidth(1);
    surface.PSet(150, 75, QBColor(4));
    QCOMPARE(surface.image().pixelColor(960, 480), QColor(128, 0, 0));
}

void SurfaceTest::invalidScale()
{
    Surface surface = surfaceOf(QSize(100, 100));
    QVERIFY_THROWS_EXCEPTION(Failure, surface.setScaleWidth(0));
    QVERIFY_THROWS_EXCEPTION(Failure, surface.setScaleHeight(0));
    QVERIFY_THROWS_EXCEPTION(Failure, surface.setScaleMode(5));
    QVERIFY_THROWS_EXCEPTION(Failure, surface.setDrawWidth(0));
}

void SurfaceTest::dotWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("covered");
    QTest::newRow("1 pixel") << 1 << QRect(50, 20, 1, 1);
    QTest::newRow("2 pixels") << 2 << QRect(49, 19, 2, 2);
    QTest::newRow("3 pixels") << 3 << QRect(49, 19, 3, 3);
}

void SurfaceTest::dotWidth()
{
    QFETCH(int, width);
    QFETCH(QRect, covered);
    Surface surface = surfaceOf(QSize(100, 100));
    surface.setScaleMode(0);
    surface.setScaleWidth(100);
    surface.setScaleHeight(100);
    surface.setDrawWidth(width);
    surface.PSet(50.25f, 20.25f, QBColor(1));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            QCOMPARE(surface.image().pixelColor(x, y) == QColor(0, 0, 128), covered.contains(x, y));
}

void SurfaceTest::farAwayDrawingIsDroppedOrClipped()
{
    Surface surface = surfaceOf(QSize(200, 100));
    surface.setScaleMode(0);
    surface.setScaleWidth(300);
    surface.setScaleHeight(150);
    surface.setDrawWidth(2);
    const QImage before = surface.image();

    const float huge = 3e38f;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    surface.PSet(huge, 10, QBColor(1));
    surface.PSet(-huge, -huge, QBColor(1));
    surface.PSet(inf, 10, QBColor(1));
    surface.PSet(nan, nan, QBColor(1));
    surface.Line(nan, 0, 10, 10);
    surface.Line(inf, 0, inf, 10);
    surface.Line(400, 400, 900, 900);
    QCOMPARE(surface.image(), before);

    // A line to a point far beyond the surface is drawn along its visible part.
    QElapsedTimer timer;
    timer.start();
    surface.Line(150, 75, 150, huge);
    QVERIFY(timer.elapsed() < 1000);
    const QImage &image = surface.image();
    QCOMPARE(image.pixelColor(100, 60), QColor(Qt::black));
    QCOMPARE(image.pixelColor(100, 99), QColor(Qt::black));
    QCOMPARE(image.pixelColor(100, 40), QColor(240, 240, 240));
}

void SurfaceTest::lineInForeground()
{
    Surface surface = surfaceOf(QSize(100, 100));
    surface.setColors(QColor(10, 20, 30), QColor(240, 240, 240));
    surface.setScaleMode(0);
    surface.setScaleWidth(100);
    surface.setScaleHeight(100);
    surface.setDrawWidth(1);
    surface.Line(10, 50, 90, 50);
    QCOMPARE(surface.image().pixelColor(50, 50), QColor(10, 20, 30));
    QCOMPARE(surface.image().pixelColor(50, 45), QColor(240, 240, 240));
}

void SurfaceTest::clsAndGrowth()
{
    Surface surface = surfaceOf(QSize(50, 50));
    QCOMPARE(countPixels(surface.image(), QColor(240, 240, 240)), 50 * 50);
    surface.setScaleMode(0);
    surface.setScaleWidth(50);
    surface.setScaleHeight(50);
    surface.PSet(10.5f, 10.5f, QBColor(12));
    surface.resize(QSize(80, 60), 1.0, 96.0);
    QCOMPARE(surface.image().size(), QSize(80, 60));
    QCOMPARE(surface.image().pixelColor(10, 10), QColor(255, 0, 0));
    QCOMPARE(surface.image().pixelColor(70, 55), QColor(240, 240, 240));

    // Shrinking keeps the picture for when the window grows again.
    surface.resize(QSize(20, 20), 1.0, 96.0);
    QCOMPARE(surface.image().size(), QSize(80, 60));

    surface.Cls();
    QCOMPARE(countPixels(surface.image(), QColor(240, 240, 240)), 80 * 60);
}

void SurfaceTest::highDpiDotsAreCrisp()
{
    Surface surface = surfaceOf(QSize(100, 50), 2.0);
    QCOMPARE(surface.image().size(), QSize(200, 100));
    surface.setScaleMode(0);
    surface.setScaleWidth(100);
    surface.setScaleHeight(50);
    surface.setDrawWidth(2);
    surface.PSet(25.3f, 10.3f, QBColor(1));
    QCOMPARE(countPixels(surface.image(), QColor(0, 0, 128)), 16);
    QCOMPARE(surface.image().pixelColor(50, 20), QColor(0, 0, 128));
}

void SurfaceTest::paintedBeforeAndAfterTheFirstDrawing_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<bool>("draw");
    QTest::newRow("never drawn") << 1.0 << false;
    QTest::newRow("drawn") << 1.0 << true;
    QTest::newRow("never drawn, high DPI") << 2.0 << false;
    QTest::newRow("drawn, high DPI") << 2.0 << true;
}

void SurfaceTest::paintedBeforeAndAfterTheFirstDrawing()
{
    QFETCH(qreal, dpr);
    QFETCH(bool, draw);
    // Grown twice before anything is drawn: the picture made later has the larger size.
    Surface surface = surfaceOf(QSize(40, 30), dpr);
    surface.resize(QSize(60, 50), dpr, 96.0);
    surface.setScaleMode(0);
    surface.setScaleWidth(60);
    surface.setScaleHeight(50);
    surface.setDrawWidth(1);
    if (draw)
        surface.PSet(55.5f, 45.5f, QBColor(4));

    QImage window(QSize(60, 50) * dpr, QImage::Format_RGB32);
    window.setDevicePixelRatio(dpr);
    window.fill(Qt::green);
    {
        QPainter painter(&window);
        surface.paint(painter, QRectF(0, 0, 60, 50));
    }
    const int dotPixels = draw ? int(dpr * dpr) : 0;
    QCOMPARE(countPixels(window, QColor(128, 0, 0)), dotPixels);
    QCOMPARE(countPixels(window, QColor(240, 240, 240)), window.width() * window.height() - dotPixels);
    QCOMPARE(surface.image().size(), QSize(60, 50) * dpr);
}

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
