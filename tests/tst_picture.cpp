// Keeping the picture: the record of what the drawing screen drew, the words naming its curves,
// the PNG, SVG and PDF made from it, and printing it fitted to the page.
#include "PictureSupport.h"
#include "drawing/CurveCaption.h"
#include "drawing/Picture.h"
#include "drawing/PictureFiles.h"
#include "drawing/PicturePrint.h"
#include "runtime/About.h"
#include "runtime/Palette.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
constexpr int dotsPerCurve = 145 * 73;
const QString defaultCaption =
    QStringLiteral("Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45");

// The squares of every dot the record holds in one colour, as whole-pixel rectangles.
QSet<QRect> recordedSquares(const PictureRecord &record, QRgb colour)
{
    QSet<QRect> squares;
    for (const PictureRecord::Run &run : record.runs())
        if (run.kind == PictureRecord::Kind::Dots && run.colour == colour)
            for (std::uint32_t i = run.first; i < run.first + run.count; ++i)
                squares << PictureRecord::square(record.point(i), run.penWidth).toRect();
    return squares;
}

int pixelsOf(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

QImage renderedPdf(const QString &pdf)
{
    const QByteArray ppm = runTool(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-aa"), QStringLiteral("no"),
                                    QStringLiteral("-aaVector"), QStringLiteral("no"), pdf});
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

void drawDefaultCurve(QSize pixels = QSize(1280, 960))
{
    setParameters();
    drawingScreen(pixels).Form_Activate();
}
}

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }

    void recordFollowsTheDrawing();
    void recordCostPerDot();
    void captions_data();
    void captions();
    void wordsInEveryFile_data();
    void wordsInEveryFile();
    void pngIsTheSurfaceImage();
    void svgHoldsTheDotsAndAxes();
    void pdfHasInkWhereTheDotsAre();
    void emptyPictureIsBlank_data();
    void emptyPictureIsBlank();
    void printFitsAndCentres_data();
    void printFitsAndCentres();
};

void PictureTest::recordFollowsTheDrawing()
{
    drawDefaultCurve();
    Form4 &form = Single::instance<Form4>();
    const Surface &surface = form.surface();
    const PictureRecord &record = surface.record();
    const QRgb blue = QBColor(1).rgb();

    // Every dot is recorded, on or off the surface; those on it where the surface coloured its
    // pixels, and nothing else is blue.
    QCOMPARE(record.dotCount(), std::uint64_t(dotsPerCurve));
    const QSet<QRect> squares = recordedSquares(record, blue);
    QSet<QPoint> covered;
    for (const QRect &square : squares) {
        const QRect on = square & surface.image().rect();
        for (int y = on.top(); y <= on.bottom(); ++y)
            for (int x = on.left(); x <= on.right(); ++x) {
                QCOMPARE(surface.image().pixel(x, y), blue);
                covered << QPoint(x, y);
            }
    }
    QCOMPARE(pixelsOf(surface.image(), blue), int(covered.size()));

    // The three axis lines, in logical pixels (single precision); the first lies wholly on the surface.
    QCOMPARE(record.runs().front().kind, PictureRecord::Kind::Lines);
    QCOMPARE(record.runs().front().count, 6u);
    QCOMPARE(record.runs().front().penWidth, 2.0f);
    const QPointF top(float(surface.scale().toPixelX(form.CX)), 0);
    const QPointF centre(float(surface.scale().toPixelX(form.CX)), float(surface.scale().toPixelY(form.CY)));
    const QLineF first(record.point(0), record.point(1));
    QVERIFY(first == QLineF(top, centre) || first == QLineF(centre, top));
    QCOMPARE(record.curves(), QStringList{defaultCaption});

    // Drawing again adds a curve in the next colour; growing the window changes nothing.
    form.Form_Activate();
    form.surface().resize(QSize(1600, 1200), 1.0, 96.0);
    QCOMPARE(record.dotCount(), std::uint64_t(2 * dotsPerCurve));
    QCOMPARE(record.curves().size(), 2);
    QVERIFY(record.curves()[1].startsWith(QStringLiteral("Curva 2, verde scuro: a 20;")));
    QCOMPARE(record.runs().back().colour, QBColor(2).rgb());
    QCOMPARE(record.runs().back().curve, 1);
    QCOMPARE(recordedSquares(record, blue), squares);

    // Clearing empties it; the next curve is the first again.
    form.Command2_Click();
    QCOMPARE(record.dotCount(), std::uint64_t(0));
    QVERIFY(record.runs().empty());
    QVERIFY(record.curves().isEmpty());
    Single::instance<Form3>().Miocolor = 0;
    form.Form_Activate();
    QCOMPARE(record.curves(), QStringList{defaultCaption});
}

void PictureTest::recordCostPerDot()
{
    drawDefaultCurve();
    Form4 &form = Single::instance<Form4>();
    for (int curve = 1; curve < 100; ++curve) {
        Single::instance<Form3>().Miocolor = int16_t(curve % 7);
        form.Form_Activate();
    }
    const PictureRecord &record = form.surface().record();
    QCOMPARE(record.dotCount(), std::uint64_t(100 * dotsPerCurve));
    const double perDot = double(record.bytes()) / double(record.dotCount());
    qInfo("record after 100 curves: %zu bytes, %.2f bytes per dot", record.bytes(), perDot);
    QVERIFY(perDot <= 16.0);
}

void PictureTest::captions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << 1 << 1 << QList<double>{20, 15, 10, 5, 3, 1, 45, 45} << defaultCaption;
    QTest::newRow("decimals and signs")
        << 12 << 6 << QList<double>{0.5, -2.25, 1e-3, 100000, 0.333, 0, -45, 90.5}
        << QStringLiteral("Curva 12, giallo scuro: a 0,5; b -2,25; c 0,001; d 100000; rapporto 0,333; passo 0; "
                          "alfa -45; beta 90,5");
    QTest::newRow("last palette colour")
        << 3 << 15 << QList<double>{1, 1, 1, 1, 1, 1, 1, 1}
        << QStringLiteral("Curva 3, bianco: a 1; b 1; c 1; d 1; rapporto 1; passo 1; alfa 1; beta 1");
}

void PictureTest::captions()
{
    QFETCH(int, number);
    QFETCH(int, colour);
    QFETCH(QList<double>, values);
    QFETCH(QString, expected);
    const CurveCaption::Values v{values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
    QCOMPARE(CurveCaption::caption(number, colour, v), expected);
}

void PictureTest::wordsInEveryFile_data()
{
    QTest::addColumn<PictureFiles::Format>("format");
    QTest::newRow("png") << PictureFiles::Format::Png;
    QTest::newRow("svg") << PictureFiles::Format::Svg;
    QTest::newRow("pdf") << PictureFiles::Format::Pdf;
}

void PictureTest::wordsInEveryFile()
{
    QFETCH(PictureFiles::Format, format);
    drawDefaultCurve(QSize(400, 300));
    setParameters(30, 15, 10, 5, 2.5, 1, 30, 60);
    Single::instance<Form4>().Form_Activate();
    const Surface &surface = Single::instance<Form4>().surface();
    const QByteArray bytes = PictureFiles::bytes(surface, format);

    QString title, maker, curves;
    if (format == PictureFiles::Format::Png) {
        const QImage image = QImage::fromData(bytes, "PNG");
        title = image.text(QStringLiteral("Title"));
        maker = image.text(QStringLiteral("Software"));
        curves = image.text(QStringLiteral("Description"));
    } else if (format == PictureFiles::Format::Svg) {
        QXmlStreamReader xml(bytes);
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("svg"))
                continue;
            if (xml.name() == QLatin1String("title"))
                title = xml.readElementText();
            else if (xml.name() == QLatin1String("desc"))
                maker = curves = xml.readElementText();
            else
                xml.skipCurrentElement();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    } else {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("p.pdf"));
        QVERIFY(!PictureFiles::save(surface, path, format));
        const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {path}));
        if (info.isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        title = QRegularExpression(QStringLiteral("^Title: +(.*)$"), QRegularExpression::MultilineOption).match(info).captured(1);
        maker = QRegularExpression(QStringLiteral("^Creator: +(.*)$"), QRegularExpression::MultilineOption).match(info).captured(1);
        curves = QRegularExpression(QStringLiteral("^Subject: +(.*?)\\n\\S+:"), QRegularExpression::MultilineOption
                                        | QRegularExpression::DotMatchesEverythingOption).match(info).captured(1);
    }
    QCOMPARE(title, QStringLiteral("ELICA + CHICCIOLA"));
    QVERIFY2(maker.contains(About::name() + QLatin1Char(' ') + About::version()), qPrintable(maker));
    QVERIFY2(curves.contains(defaultCaption), qPrintable(curves));
    QVERIFY2(curves.contains(QStringLiteral(
                 "Curva 2, verde scuro: a 30; b 15; c 10; d 5; rapporto 2,5; passo 1; alfa 30; beta 60")),
             qPrintable(curves));
}

void PictureTest::pngIsTheSurfaceImage()
{
    drawDefaultCurve(QSize(640, 480));
    Form4 &form = Single::instance<Form4>();
    // A window grown and shrunk again keeps a larger image: the picture is the client area.
    form.surface().resize(QSize(800, 600), 1.0, 96.0);
    form.surface().resize(QSize(640, 480), 1.0, 96.0);
    const QImage png = QImage::fromData(PictureFiles::png(form.surface()), "PNG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(png.size(), QSize(640, 480));
    QCOMPARE(png, form.surface().image().copy(0, 0, 640, 480));
}

void PictureTest::svgHoldsTheDotsAndAxes()
{
    drawDefaultCurve();
    const Surface &surface = Single::instance<Form4>().surface();
    QXmlStreamReader xml(PictureFiles::svg(surface));
    QSet<QRect> blueSquares;
    int blueDots = 0;
    QStringList axes;
    QSize size;
    const QRegularExpression square(QStringLiteral("M([-\\d.e]+) ([-\\d.e]+)h2v2h-2z"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg"))
            size = QSize(a.value(QLatin1String("width")).toInt(), a.value(QLatin1String("height")).toInt());
        if (xml.name() != QLatin1String("path"))
            continue;
        const QString d = a.value(QLatin1String("d")).toString();
        if (a.value(QLatin1String("fill")) == QLatin1String("#000080")) {
            for (const QRegularExpressionMatch &m : square.globalMatch(d)) {
                blueSquares << QRect(m.captured(1).toInt(), m.captured(2).toInt(), 2, 2);
                ++blueDots;
            }
        } else if (a.value(QLatin1String("stroke")) == QLatin1String("#000000")) {
            QCOMPARE(a.value(QLatin1String("stroke-width")), QLatin1String("2"));
            axes << d.split(QLatin1Char('M'), Qt::SkipEmptyParts);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(size, QSize(1280, 960));
    QCOMPARE(blueDots, dotsPerCurve);
    QCOMPARE(blueSquares, recordedSquares(surface.record(), QBColor(1).rgb()));
    for (const QRect &r : blueSquares)
        if (surface.image().rect().contains(r))
            QCOMPARE(surface.image().pixel(r.topLeft()), QBColor(1).rgb());
    // The first axis runs from the top edge to the centre (682.667, 480), either way round.
    QCOMPARE(axes.size(), 3);
    QVERIFY2(axes[0] == QLatin1String("682.66669 0L682.66669 480") || axes[0] == QLatin1String("682.66669 480L682.66669 0"),
             qPrintable(axes[0]));
}

void PictureTest::pdfHasInkWhereTheDotsAre()
{
    drawDefaultCurve(QSize(800, 600));
    const Surface &surface = Single::instance<Form4>().surface();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("curve.pdf"));
    QVERIFY(!PictureFiles::save(surface, path, PictureFiles::Format::Pdf));
    QVERIFY(QFileInfo(path).size() < 512 * 1024);
    const QImage rendered = renderedPdf(path);
    if (rendered.isNull())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    // 800 x 600 logical pixels make a page of 600 x 450 points, 800 x 600 pixels at 96 dpi.
    QCOMPARE(rendered.size(), QSize(800, 600));
    const QSet<QRect> squares = recordedSquares(surface.record(), QBColor(1).rgb());
    int inked = 0;
    int onPage = 0;
    for (const QRect &r : squares) {
        if (!rendered.rect().contains(r))
            continue;
        ++onPage;
        inked += rendered.pixel(r.center()) == QBColor(1).rgb();
    }
    QVERIFY(onPage > 1000);
    QCOMPARE(inked, onPage);
    QCOMPARE(rendered.pixel(799, 599), surface.background().rgb());
    const int axisX = int(surface.scale().toPixelX(160));
    QCOMPARE(rendered.pixel(axisX, 3), surface.foreground().rgb());
}

void PictureTest::emptyPictureIsBlank_data()
{
    wordsInEveryFile_data();
}

void PictureTest::emptyPictureIsBlank()
{
    QFETCH(PictureFiles::Format, format);
    drawDefaultCurve(QSize(320, 200));
    Form4 &form = Single::instance<Form4>();
    form.Command2_Click();
    const Surface &surface = form.surface();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("empty.") + PictureFiles::extension(format));
    QVERIFY(!PictureFiles::save(surface, path, format));

    QImage picture;
    if (format == PictureFiles::Format::Pdf) {
        picture = renderedPdf(path);
        if (picture.isNull())
            QSKIP("pdftoppm (poppler-utils) is not installed");
    } else {
        QVERIFY(picture.load(path));
        picture = picture.convertToFormat(QImage::Format_RGB32);
    }
    QCOMPARE(picture.size(), QSize(320, 200));
    QCOMPARE(pixelsOf(picture, surface.background().rgb()), 320 * 200);
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
    drawDefaultCurve(surface);
    const Surface &s = Single::instance<Form4>().surface();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PicturePrint::prepare(printer, s);
    QCOMPARE(printer.pageLayout().orientation(), orientation);
    QVERIFY(PicturePrint::print(printer, s));
    const QImage page = renderedPdf(path);
    if (page.isNull())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    // The picture's background marks where it lies on the white page.
    QRect placed;
    const QRgb background = s.background().rgb();
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) == background)
                placed |= QRect(x, y, 1, 1);
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    QVERIFY(std::abs(placed.center().x() - printable.center().x()) <= 1);
    QVERIFY(std::abs(placed.center().y() - printable.center().y()) <= 1);
    QVERIFY(placed.width() >= printable.width() - 2 || placed.height() >= printable.height() - 2);
    QVERIFY(std::abs(double(placed.width()) / placed.height() - double(surface.width()) / surface.height()) < 0.01);
}

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
