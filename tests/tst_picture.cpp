// Keeping the picture: the record of what the drawing screen drew and the words naming its
// curves, the PNG, SVG and PDF made from it, and printing it fitted to the page.
#include "PictureSupport.h"
#include "picture/CurveCaption.h"
#include "files/PictureFormats.h"
#include "keeping/PicturePrint.h"
#include "runtime/About.h"
#include "runtime/Palette.h"

#include <QPainter>
#include <QPrinter>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using PictureFormats::Format;
constexpr int dotsPerCurve = 145 * 73;
const QString defaultCaption =
    QStringLiteral("Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45");

Surface &drawnDefaultCurve(QSize pixels = QSize(1280, 960))
{
    setParameters();
    Form4 &form = drawingScreen(pixels);
    form.Form_Activate();
    return form.surface();
}

// The squares of the recorded dots in one colour.
QSet<QRect> squaresOf(const MarkRecord &record, QRgb colour)
{
    QSet<QRect> squares;
    for (const MarkRecord::Run &run : record.runs())
        if (run.kind == MarkRecord::Kind::Dots && run.colour == colour)
            for (std::uint32_t i = run.first; i < run.first + run.count; ++i)
                squares << MarkRecord::square(record.point(i), run.penWidth).toRect();
    return squares;
}

// The PDF rendered at 96 dpi without smoothing; null without pdftoppm.
QImage renderedPdf(const QString &path)
{
    const QByteArray ppm = runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-aa"),
                                                                QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"), path});
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

// The saved file as pixels, one to a logical pixel.
QImage rendered(const QString &path, Format format)
{
    if (format == Format::Pdf)
        return renderedPdf(path);
    if (format == Format::Png)
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    QSvgRenderer svg(path);
    QImage image(svg.defaultSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

QString metadataOf(const QString &path, Format format)
{
    if (format == Format::Png) {
        const QImage image(path);
        return image.text(QStringLiteral("Title")) + '\n' + image.text(QStringLiteral("Software")) + '\n'
            + image.text(QStringLiteral("Description"));
    }
    if (format == Format::Pdf)
        return QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {path}));
    // An SVG has words only in its title and description.
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }

    void recordFollowsTheDrawing();
    void recordCostPerDot();
    void filesShowWhatWasDrawn_data();
    void filesShowWhatWasDrawn();
    void farDotsKeepThePdfReadable();
    void printFitsAndCentres_data();
    void printFitsAndCentres();
};

void PictureTest::recordFollowsTheDrawing()
{
    Surface &surface = drawnDefaultCurve();
    Form4 &form = Single::instance<Form4>();
    const MarkRecord &record = surface.record();
    const QRgb blue = QBColor(1).rgb();

    // Every dot is recorded, on or off the surface; the blue pixels are those its squares cover.
    QCOMPARE(record.dotCount(), std::uint64_t(dotsPerCurve));
    const QSet<QRect> squares = squaresOf(record, blue);
    QSet<QPoint> covered;
    for (const QRect &square : squares) {
        const QRect on = square & surface.image().rect();
        for (int y = on.top(); y <= on.bottom(); ++y)
            for (int x = on.left(); x <= on.right(); ++x)
                covered << QPoint(x, y);
    }
    QSet<QPoint> bluePixels;
    for (int y = 0; y < surface.image().height(); ++y)
        for (int x = 0; x < surface.image().width(); ++x)
            if (surface.image().pixel(x, y) == blue)
                bluePixels << QPoint(x, y);
    QCOMPARE(bluePixels, covered);

    // The three axis lines in logical pixels (single precision); the first lies wholly on the surface.
    QCOMPARE(record.runs().front().kind, MarkRecord::Kind::Lines);
    QCOMPARE(record.runs().front().count, 6u);
    // The centre of the 300-unit-wide surface at the factor 0,75: (160, 112,5).
    const QPointF top(float(surface.scale().toPixelX(160)), 0);
    const QPointF centre(top.x(), float(surface.scale().toPixelY(112.5)));
    const QLineF first(record.point(0), record.point(1));
    QVERIFY(first == QLineF(top, centre) || first == QLineF(centre, top));
    QCOMPARE(CurveCaption::captions(form.curves()), QStringList{defaultCaption});

    // Drawing again adds a curve in the next colour; growing the window changes nothing.
    form.Form_Activate();
    surface.resize(QSize(1600, 1200), 1.0, 96.0);
    QCOMPARE(record.dotCount(), std::uint64_t(2 * dotsPerCurve));
    QVERIFY(CurveCaption::captions(form.curves()).value(1).startsWith(QStringLiteral("Curva 2, verde scuro: a 20;")));
    QCOMPARE(record.runs().back().colour, QBColor(2).rgb());
    QCOMPARE(squaresOf(record, blue), squares);

    // Clearing empties it; the next curve is the first again.
    control<QPushButton>(form, "Command2")->click();
    QVERIFY(record.dotCount() == 0 && record.runs().empty() && form.curves().empty());
    Single::instance<Form3>().Miocolor = 0;
    form.Form_Activate();
    QCOMPARE(CurveCaption::captions(form.curves()), QStringList{defaultCaption});
}

void PictureTest::recordCostPerDot()
{
    Surface &surface = drawnDefaultCurve();
    for (int curve = 1; curve < 100; ++curve) {
        Single::instance<Form3>().Miocolor = int16_t(curve % 7);
        Single::instance<Form4>().Form_Activate();
    }
    const MarkRecord &record = surface.record();
    QCOMPARE(record.dotCount(), std::uint64_t(100 * dotsPerCurve));
    const double perDot = double(record.bytes()) / double(record.dotCount());
    qInfo("record after 100 curves: %zu bytes, %.2f bytes per dot", record.bytes(), perDot);
    QVERIFY(perDot <= 16.0);
}

void PictureTest::filesShowWhatWasDrawn_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<bool>("cleared");
    for (const Format format : {Format::Png, Format::Svg, Format::Pdf}) {
        const QByteArray name = PictureFormats::of(format).extension;
        QTest::newRow(name + ", two curves") << format << false;
        QTest::newRow(name + ", cleared") << format << true;
    }
}

// The file has the picture's size in logical pixels, the blue curve's dots where the surface put
// them (a PNG is the surface's image itself), and words naming every curve; a cleared picture is
// blank but still says what made it.
void PictureTest::filesShowWhatWasDrawn()
{
    QFETCH(Format, format);
    QFETCH(bool, cleared);
    Surface &surface = drawnDefaultCurve(QSize(800, 600));
    setParameters(30, 15, 10, 5, 2.5, 1, 30, 60);
    Single::instance<Form4>().Form_Activate();
    if (cleared)
        control<QPushButton>(Single::instance<Form4>(), "Command2")->click();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.") + QLatin1String(PictureFormats::of(format).extension));
    QVERIFY(!PictureFormats::save(Single::instance<Form4>().picture(), path, format));
    QVERIFY(QFileInfo(path).size() < 2 * 512 * 1024);
    const QImage picture = rendered(path, format);
    const QString words = metadataOf(path, format);
    if (picture.isNull() || words.isEmpty())
        QSKIP("pdftoppm and pdfinfo (poppler-utils) are needed");

    QCOMPARE(picture.size(), QSize(800, 600));
    if (format == Format::Png)
        QCOMPARE(picture, surface.image().copy(0, 0, 800, 600));
    QVERIFY(words.contains(QStringLiteral("ELICA + CHICCIOLA")));
    QVERIFY(words.contains(About::name() + ' ' + About::version()));
    if (cleared) {
        QCOMPARE(picture, QImage(surface.image().copy(0, 0, 800, 600)));
        QCOMPARE(picture.pixel(400, 300), surface.background().rgb());
        QVERIFY(!words.contains(QStringLiteral("Curva")));
        return;
    }
    QVERIFY2(words.contains(defaultCaption), qPrintable(words));
    QVERIFY(words.contains(QStringLiteral("Curva 2, verde scuro: a 30; b 15; c 10; d 5; rapporto 2,5; passo 1; alfa 30; beta 60")));
    // The first curve's dots that nothing else comes near on the surface (renderers may smooth
    // or widen edges by a pixel).
    const QRgb blue = QBColor(1).rgb();
    const QRgb background = surface.background().rgb();
    const auto alone = [&](const QRect &square) {
        const QRect around = square.adjusted(-2, -2, 2, 2);
        if (!picture.rect().contains(around))
            return false;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                if (surface.image().pixel(x, y) != blue && surface.image().pixel(x, y) != background)
                    return false;
        return true;
    };
    int checked = 0;
    for (const QRect &square : squaresOf(surface.record(), blue))
        if (alone(square)) {
            QCOMPARE(picture.pixel(square.center()), blue);
            ++checked;
        }
    QVERIFY(checked > 1000);
    if (format == Format::Svg) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("h2v2h-2z"), 2 * dotsPerCurve);
    }
}

void PictureTest::farDotsKeepThePdfReadable()
{
    setParameters(1e30);
    drawingScreen(QSize(400, 300)).Form_Activate();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("far.pdf"));
    QVERIFY(!PictureFormats::save(Single::instance<Form4>().picture(), path, Format::Pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QProcess reader;
    reader.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("10"), path});
    QVERIFY(reader.waitForFinished(60000));
    QCOMPARE(reader.readAllStandardError(), QByteArray());
    QCOMPARE(reader.exitCode(), 0);
}

void PictureTest::printFitsAndCentres_data()
{
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::newRow("wide") << QSize(1280, 960) << QPageLayout::Landscape;
    QTest::newRow("tall") << QSize(500, 900) << QPageLayout::Portrait;
}

void PictureTest::printFitsAndCentres()
{
    QFETCH(QSize, surface);
    QFETCH(QPageLayout::Orientation, orientation);
    const Surface &s = drawnDefaultCurve(surface);
    const Picture picture = Single::instance<Form4>().picture();
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    PicturePrint::prepare(printer, picture);
    QCOMPARE(printer.pageLayout().orientation(), orientation);
    QVERIFY(PicturePrint::print(printer, picture));
    const QImage page = renderedPdf(printer.outputFileName());
    if (page.isNull())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    // The picture's background shows where it lies on the white page.
    QRect placed;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) == s.background().rgb())
                placed |= QRect(x, y, 1, 1);
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    QVERIFY(std::abs(placed.center().x() - printable.center().x()) <= 1);
    QVERIFY(std::abs(placed.center().y() - printable.center().y()) <= 1);
    QVERIFY(placed.width() >= printable.width() - 2 || placed.height() >= printable.height() - 2);
    QVERIFY(std::abs(double(placed.width()) / placed.height() - double(surface.width()) / surface.height()) < 0.01);
}

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
