// The view in motion: a sweep's values over time and the frames a motion makes, its lines in the
// machine form, animated GIF and WebP files decoded back frame by frame with their words (the
// view's dots exactly, its lit surfaces within a colour error), and damaged or hostile files
// refused with one message.
#include "TestSupport.h"
#include "files/motion/GifFile.h"
#include "picture/MachineForm.h"
#include "picture/Picture.h"
#include "files/PictureFormats.h"
#include "files/motion/WebpFile.h"
#include "runtime/Palette.h"
#include "view3d/MotionFrames.h"

#include <QBuffer>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <random>
#include <set>
#include <gif_lib.h>
#include <webp/demux.h>
#include <webp/mux.h>

using PictureFormats::Format;
Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(Sweep)
Q_DECLARE_METATYPE(Motion)
Q_DECLARE_METATYPE(PictureDocument)
Q_DECLARE_METATYPE(ViewLook)

namespace {

const PictureCurve firstCurve{1, {20, 15, 10, 5, 3, 1, 45, 45}, 0.75};
const QByteArray oneCurve = "elica-picture 1\ncurve 1 20 15 10 5 3 1 45 45 0.75\n";

template<class Reading>
QString refusalOf(const Reading &reading)
{
    const QString *why = std::get_if<QString>(&reading);
    return why ? *why : QString();
}

Sweep sweep(int value, double from, double to, double seconds, Repeat repeat)
{
    return Sweep{value, from, to, seconds, repeat};
}

// What a viewer shows: every frame whole, how long it stays, and how many times the whole plays
// (0: for ever).
struct Played {
    QList<QImage> frames;
    QList<int> delays;
    int plays = 1;
};

int readBuffer(GifFileType *gif, GifByteType *bytes, int length)
{
    return int(static_cast<QBuffer *>(gif->UserData)->read(reinterpret_cast<char *>(bytes), length));
}

Played playedGif(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    int error = 0;
    GifFileType *gif = DGifOpen(&buffer, readBuffer, &error);
    Played played;
    if (!gif || DGifSlurp(gif) == GIF_ERROR) {
        DGifCloseFile(gif, &error);
        return played;
    }
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e)
            if (image.ExtensionBlocks[e].Function == APPLICATION_EXT_FUNC_CODE && image.ExtensionBlocks[e].ByteCount == 11
                && !memcmp(image.ExtensionBlocks[e].Bytes, "NETSCAPE2.0", 11))
                played.plays = image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        const GifImageDesc &d = image.ImageDesc;
        const ColorMapObject *map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                const GifColorType c = map->Colors[index % map->ColorCount];
                if (index != control.TransparentColor)
                    canvas.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        played.frames << canvas.copy();
        played.delays << control.DelayTime;
    }
    DGifCloseFile(gif, &error);
    return played;
}

Played playedWebp(const QByteArray &bytes)
{
    const WebPData data{reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder *decoder = WebPAnimDecoderNew(&data, &options);
    Played played;
    WebPAnimInfo info{};
    if (!decoder || !WebPAnimDecoderGetInfo(decoder, &info)) {
        WebPAnimDecoderDelete(decoder);
        return played;
    }
    played.plays = int(info.loop_count);
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t *pixels = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder, &pixels, &timestamp))
            break;
        const QImage frame(pixels, int(info.canvas_width), int(info.canvas_height), QImage::Format_RGBA8888);
        played.frames << frame.convertToFormat(QImage::Format_RGB32);
        played.delays << (timestamp - previous) / 10;
        previous = timestamp;
    }
    WebPAnimDecoderDelete(decoder);
    return played;
}

// As the view draws: palette squares on its background, and an antialiased line and text in its
// foreground, whose edges blend with the background; under 256 colours.
QImage viewLikeFrame(int k)
{
    QImage image(220, 170, QImage::Format_RGB32);
    image.fill(QColor(0xef, 0xef, 0xef));
    QPainter painter(&image);
    for (int c = 0; c < 16; ++c)
        painter.fillRect(QRect(4 + 12 * c, 4 + (3 * k + c) % 20, 10, 10), QBColor(c));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(110, 100), QPointF(110 + 40 * std::cos(k * 0.4), 100 + 30 * std::sin(k * 0.4)));
    painter.setFont(QFont(PictureWords::labelFamily(), 13));
    painter.drawText(QPointF(10 + 6 * k, 160), QStringLiteral("Azimut 45°, X Y Z"));
    return image;
}

QByteArray written(Format format, const QList<QImage> &frames, const QList<int> &delays, const AnimationWords &words, bool loops)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    const auto writer = PictureFormats::of(format).write(out, frames[0].size(), words, loops);
    for (qsizetype i = 0; i < frames.size(); ++i)
        if (!writer->addFrame(frames[i], delays[i]))
            qWarning("%s", qPrintable(writer->error()));
    if (!writer->finish())
        qWarning("%s", qPrintable(writer->error()));
    return bytes;
}

// The mean of the absolute differences of red, green and blue over every pixel.
double meanError(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

qsizetype differing(const QImage &a, const QImage &b)
{
    qsizetype count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

qsizetype colourCount(const QImage &image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return qsizetype(colours.size());
}

WordsReading wordsOf(Format format, QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return PictureFormats::of(format).read(in);
}

// Hand-made GIF blocks: a field, data in sub-blocks, a screen with a table of two colours, a
// comment, an image (whose compressed pixels no reader of words may need to make sense).
QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xFF)) + char(value >> 8 & 0xFF);
}
QByteArray subBlocks(const QByteArray &data)
{
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += 255)
        out += char(std::min<qsizetype>(255, data.size() - at)) + data.mid(at, 255);
    return out + '\0';
}
QByteArray gifScreen(int width, int height)
{
    return "GIF89a" + le16(width) + le16(height) + QByteArray("\x80\0\0\0\0\0\xff\xff\xff", 9);
}
QByteArray gifComment(const QByteArray &text)
{
    return "\x21\xfe" + subBlocks(text);
}
QByteArray gifImage(int left, int top, int width, int height, char codeSize = 2)
{
    return ',' + le16(left) + le16(top) + le16(width) + le16(height) + '\0' + codeSize + subBlocks("\x44\x01");
}
QByteArray gifWith(const QByteArray &form, const QByteArray &rest = gifImage(0, 0, 10, 10) + ';')
{
    return gifScreen(10, 10) + gifComment("ELICA + CHICCIOLA\nElica 1.2.0\nCurva 1") + gifComment(form) + rest;
}

QByteArray webpWithXmp(QByteArray webp, const QByteArray &xmp)
{
    const WebPData data{reinterpret_cast<const uint8_t *>(webp.constData()), size_t(webp.size())};
    const WebPData packet{reinterpret_cast<const uint8_t *>(xmp.constData()), size_t(xmp.size())};
    WebPMux *mux = WebPMuxCreate(&data, 1);
    WebPData out{};
    WebPMuxSetChunk(mux, "XMP ", &packet, 1);
    WebPMuxAssemble(mux, &out);
    const QByteArray file(reinterpret_cast<const char *>(out.bytes), qsizetype(out.size));
    WebPDataClear(&out);
    WebPMuxDelete(mux);
    return file;
}
}

class AnimationTest : public QObject {
    Q_OBJECT
private slots:
    void sweepValuesOverTime_data();
    void sweepValuesOverTime();
    void motionFrames_data();
    void motionFrames();
    void sweepSetsTheNamedValue();
    void motionInTheMachineForm_data();
    void motionInTheMachineForm();
    void framesAndWordsComeBack_data();
    void framesAndWordsComeBack();
    void gifOfManyColours();
    void gifOfTheViewsLooks_data();
    void gifOfTheViewsLooks();
    void damagedAndHostileFiles_data();
    void damagedAndHostileFiles();
};

void AnimationTest::sweepValuesOverTime_data()
{
    QTest::addColumn<Sweep>("sweep");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("value");
    const int passo = 5, rapporto = 4;
    const Sweep backAndForth = sweep(passo, 0.5, 2, 4, Repeat::BackAndForth);
    const Sweep forward = sweep(passo, 0.5, 2, 4, Repeat::Forward);
    const Sweep once = sweep(passo, 0.5, 2, 4, Repeat::Once);
    QTest::newRow("back and forth, start") << backAndForth << 0.0 << 0.5;
    QTest::newRow("back and forth, half way there") << backAndForth << 2.0 << 1.25;
    QTest::newRow("back and forth, at the second bound") << backAndForth << 4.0 << 2.0;
    QTest::newRow("back and forth, half way back") << backAndForth << 6.0 << 1.25;
    QTest::newRow("back and forth, again") << backAndForth << 9.0 << 0.875;
    QTest::newRow("forward, half way") << forward << 2.0 << 1.25;
    QTest::newRow("forward, last frame") << forward << 3.96 << 1.985;
    QTest::newRow("forward, starts again") << forward << 4.0 << 0.5;
    QTest::newRow("once, before the start") << once << -1.0 << 0.5;
    QTest::newRow("once, at the end") << once << 4.0 << 2.0;
    QTest::newRow("once, stays") << once << 30.0 << 2.0;
    QTest::newRow("a step crossing 0 takes it") << sweep(passo, -1, 1, 2, Repeat::BackAndForth) << 1.0 << 0.0;
    QTest::newRow("ratio crossing 0, there") << sweep(rapporto, -1, 1, 2, Repeat::BackAndForth) << 1.0 << 0.04;
    QTest::newRow("ratio crossing 0, back") << sweep(rapporto, -1, 1, 2, Repeat::BackAndForth) << 3.0 << 0.04;
    QTest::newRow("ratio from 0") << sweep(rapporto, 0, 3, 1, Repeat::Forward) << 0.0 << 0.12;
    QTest::newRow("ratio to 0") << sweep(rapporto, 3, 0, 1, Repeat::Once) << 1.0 << 0.12;
    QTest::newRow("ratio from 0 by the least step") << sweep(rapporto, 0, 5e-324, 1, Repeat::Forward) << 0.0 << 5e-324;
}

void AnimationTest::sweepValuesOverTime()
{
    QFETCH(Sweep, sweep);
    QFETCH(double, seconds);
    QFETCH(double, value);
    const double got = sweep.valueAt(seconds);
    QCOMPARE(got, value);
    if (sweep.value == Sweep::ratio)
        QVERIFY(got != 0);
}

void AnimationTest::motionFrames_data()
{
    QTest::addColumn<Motion>("motion");
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("loops");
    QTest::addColumn<int>("frame");
    QTest::addColumn<double>("turned");
    QTest::addColumn<double>("value");
    const Sweep backAndForth = sweep(5, 0.5, 2, 4, Repeat::BackAndForth);
    QTest::newRow("a turn, 5 degrees a frame") << Motion{Turn{}, {}} << 72 << true << 71 << 355.0 << 0.0;
    QTest::newRow("a turn of 4 s") << Motion{Turn{4}, {}} << 100 << true << 50 << 180.0 << 0.0;
    QTest::newRow("back and forth, at the second bound") << Motion{{}, backAndForth} << 200 << true << 100 << 0.0 << 2.0;
    QTest::newRow("back and forth, last frame is not the first") << Motion{{}, backAndForth} << 200 << true << 199 << 0.0 << 0.515;
    QTest::newRow("forward, last frame") << Motion{{}, sweep(5, 0.5, 2, 4, Repeat::Forward)} << 100 << true << 99 << 0.0 << 1.985;
    QTest::newRow("once ends on the second bound") << Motion{{}, sweep(5, 0.5, 2, 4, Repeat::Once)} << 101 << false << 100 << 0.0 << 2.0;
    QTest::newRow("a longer turn spreads the sweep") << Motion{Turn{}, sweep(5, 0.5, 2, 1, Repeat::BackAndForth)} << 72 << true << 36
                                                     << 180.0 << 2.0;
    QTest::newRow("a longer sweep slows the turn") << Motion{Turn{}, sweep(0, 10, 20, 10, Repeat::Once)} << 251 << false << 250
                                                   << 360.0 * 250 / 251 << 20.0;
}

void AnimationTest::motionFrames()
{
    QFETCH(Motion, motion);
    QFETCH(int, frames);
    QFETCH(bool, loops);
    QFETCH(int, frame);
    QFETCH(double, turned);
    QFETCH(double, value);
    QCOMPARE(motion.frames(), frames);
    QCOMPARE(motion.loops(), loops);
    const Motion::Frame f = motion.frame(frame);
    QCOMPARE(f.turned, turned);
    QCOMPARE(f.value.has_value(), motion.sweep.has_value());
    if (f.value)
        QCOMPARE(*f.value, value);
    QCOMPARE(motion.frame(0).turned, 0.0);
    if (motion.sweep)
        QCOMPARE(*motion.frame(0).value, motion.sweep->from);
}

void AnimationTest::sweepSetsTheNamedValue()
{
    const CurveValues before{1, 2, 3, 4, 5, 6, 7, 8};
    const CurveValues after[] = {{9, 2, 3, 4, 5, 6, 7, 8}, {1, 9, 3, 4, 5, 6, 7, 8}, {1, 2, 9, 4, 5, 6, 7, 8},
                                 {1, 2, 3, 9, 5, 6, 7, 8}, {1, 2, 3, 4, 9, 6, 7, 8}, {1, 2, 3, 4, 5, 9, 7, 8}};
    for (int value = 0; value < 6; ++value) {
        CurveValues values = before;
        sweep(value, 0, 1, 1, Repeat::Once).apply(values, 9);
        QCOMPARE(values, after[value]);
    }
}

void AnimationTest::motionInTheMachineForm_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<PictureDocument>("document");
    const auto with = [](std::optional<ViewAngles> view, std::optional<Turn> turn, std::optional<Sweep> swept) {
        return PictureDocument{{firstCurve}, view, Motion{turn, swept}};
    };
    QTest::newRow("a turn") << QByteArray("turn 360 2.88\n") << QString() << with({}, Turn{}, {});
    QTest::newRow("a sweep") << QByteArray("sweep passo 0.5 2 4 avanti-e-indietro\n") << QString()
                             << with({}, {}, sweep(5, 0.5, 2, 4, Repeat::BackAndForth));
    QTest::newRow("both, seen from the 3D view") << QByteArray("view 45 35\nturn 360 60\nsweep rapporto -1 1 2.5 una-volta\n") << QString()
                                                 << with(ViewAngles{45, 35}, Turn{60}, sweep(4, -1, 1, 2.5, Repeat::Once));
    QTest::newRow("every bit of a bound") << QByteArray("sweep a 1e-300 -0 1 solo-avanti\n") << QString()
                                          << with({}, {}, sweep(0, 1e-300, -0.0, 1, Repeat::Forward));
    const QString line3 = QStringLiteral("illeggibili alla riga 3"), line4 = QStringLiteral("illeggibili alla riga 4");
    QTest::newRow("half a turn") << QByteArray("turn 180 2.88\n") << line3 << PictureDocument{};
    QTest::newRow("a turn too short") << QByteArray("turn 360 0.5\n") << line3 << PictureDocument{};
    QTest::newRow("a turn too long") << QByteArray("turn 360 60.04\n") << line3 << PictureDocument{};
    QTest::newRow("a turn without seconds") << QByteArray("turn 360\n") << line3 << PictureDocument{};
    QTest::newRow("a turn of nan seconds") << QByteArray("turn 360 nan\n") << line3 << PictureDocument{};
    QTest::newRow("alfa is not swept") << QByteArray("sweep alfa 0 1 4 avanti-e-indietro\n") << line3 << PictureDocument{};
    QTest::newRow("equal bounds") << QByteArray("sweep passo 0 -0 4 solo-avanti\n") << line3 << PictureDocument{};
    QTest::newRow("an infinite bound") << QByteArray("sweep passo 0 inf 4 solo-avanti\n") << line3 << PictureDocument{};
    QTest::newRow("an unknown repeat") << QByteArray("sweep passo 0 1 4 avanti\n") << line3 << PictureDocument{};
    QTest::newRow("a pass too long") << QByteArray("sweep passo 0 1 61 una-volta\n") << line3 << PictureDocument{};
    QTest::newRow("two turns") << QByteArray("turn 360 2.88\nturn 360 2.88\n") << line4 << PictureDocument{};
    QTest::newRow("a curve after the motion") << QByteArray("turn 360 2.88\ncurve 1 20 15 10 5 3 1 45 45 0.75\n") << line4
                                              << PictureDocument{};
}

// The lines read back to the document, which writes the very same lines.
void AnimationTest::motionInTheMachineForm()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, refusal);
    QFETCH(PictureDocument, document);
    const auto read = MachineForm::read(oneCurve + lines);
    if (!refusal.isEmpty()) {
        QVERIFY2(refusalOf(read).contains(refusal), qPrintable(refusalOf(read)));
        return;
    }
    QVERIFY2(std::holds_alternative<PictureDocument>(read), qPrintable(refusalOf(read)));
    QCOMPARE(std::get<PictureDocument>(read), document);
    QCOMPARE(MachineForm::write(document), oneCurve + lines);
}

void AnimationTest::framesAndWordsComeBack_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<Motion>("motion");
    for (const Format format : {Format::Gif, Format::Webp}) {
        const QByteArray name = format == Format::Gif ? "GIF" : "WebP";
        QTest::newRow(name + ", a turn") << format << Motion{Turn{}, {}};
        QTest::newRow(name + ", a sweep once") << format << Motion{{}, sweep(4, -1, 1, 2, Repeat::Once)};
    }
}

// Every frame comes back to the pixel, with its delay (never under 2 hundredths) and the loop;
// the words read back to the same document, in comments and elements longer than a GIF sub-block.
void AnimationTest::framesAndWordsComeBack()
{
    QFETCH(Format, format);
    QFETCH(Motion, motion);
    const CurveValues far{-20, 1e-7, 123456.789, 5, 1.0 / 3, -0.25, -30, 400};
    const PictureDocument document{{firstCurve, {2, far, 0.51}, {3, far, 0.53}, {4, far, 1.11}}, ViewAngles{30, -12.5}, motion};
    const AnimationWords words = AnimationWords::of(document);
    QVERIFY(words.machineForm.size() > 255 && words.description.toUtf8().size() > 255);
    QList<QImage> frames;
    for (int k = 0; k < 6; ++k)
        frames << viewLikeFrame(k);
    const QByteArray file = written(format, frames, {4, 4, 1, 9, 0, 250}, words, motion.loops());
    QVERIFY(format == Format::Gif ? GifFile::isGif(file) : WebpFile::isWebp(file));

    const Played played = format == Format::Gif ? playedGif(file) : playedWebp(file);
    QCOMPARE(played.frames.size(), frames.size());
    for (qsizetype i = 0; i < frames.size(); ++i)
        QVERIFY2(played.frames[i] == frames[i], qPrintable(QStringLiteral("frame %1").arg(i)));
    QCOMPARE(played.delays, QList<int>({4, 4, 2, 9, 2, 250}));
    QCOMPARE(played.plays, motion.loops() ? 0 : 1);

    const WordsReading reading = wordsOf(format, file);
    QVERIFY2(std::holds_alternative<FileWords>(reading), qPrintable(refusalOf(reading)));
    const FileWords &back = std::get<FileWords>(reading);
    QCOMPARE(back.maker, PictureWords::maker());
    QCOMPARE(back.curves, words.description);
    QVERIFY(back.curves.endsWith(MotionWords::caption(motion)));
    QVERIFY(back.machineForm);
    const auto read = MachineForm::read(*back.machineForm);
    QVERIFY(std::holds_alternative<PictureDocument>(read));
    QCOMPARE(std::get<PictureDocument>(read), document);
}

// A frame of 340 colours, more than a table holds, comes back close to them; the same frame again
// changes nothing drawn before but the pixel that carries its delay, and adds next to nothing to
// the file; the frames after it, of few colours, come back exactly, one of them unchanged.
void AnimationTest::gifOfManyColours()
{
    QImage many(100, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x) {
            const int frequent = (y / 5) * 20 + x / 5 % 20;
            many.setPixel(x, y, qRgb(frequent % 50 * 5, frequent / 50 * 60, 100));
        }
    for (int rare = 0; rare < 100; ++rare)
        many.setPixel(rare % 100, 3, qRgb(rare % 50 * 5, rare / 50 * 60, 101));
    QImage few = many.copy();
    few.fill(QColor(0xef, 0xef, 0xef));
    few.setPixel(50, 30, qRgb(0, 0, 128));
    const QList<QImage> frames = {few, many, many, few, few};
    const QByteArray file = written(Format::Gif, frames, {4, 4, 4, 4, 7}, {}, true);
    const Played played = playedGif(file);
    QCOMPARE(played.frames.size(), 5);
    QCOMPARE(played.frames[0], few);
    // Measured 1.59.
    QVERIFY2(meanError(played.frames[1], many) < 2.5, qPrintable(QString::number(meanError(played.frames[1], many))));
    QVERIFY(differing(played.frames[2], played.frames[1]) <= 1);
    QVERIFY(meanError(played.frames[2], many) <= meanError(played.frames[1], many));
    const qsizetype again = written(Format::Gif, frames.mid(0, 3), {4, 4, 4}, {}, true).size();
    QVERIFY2(again - written(Format::Gif, frames.mid(0, 2), {4, 4}, {}, true).size() < 50, qPrintable(QString::number(again)));
    QCOMPARE(played.frames[3], few);
    QCOMPARE(played.frames[4], few);
    QCOMPARE(played.delays[4], 7);

    // 256 colours, all in the first frame's table, then all moved so that no pixel stays: every
    // colour of the table, the last one too, keeps its place.
    QImage full(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        full.setPixel(i % 16, i / 16, qRgb(i, 255 - i, i / 2));
    const QImage turned = full.mirrored(true, true);
    QCOMPARE(playedGif(written(Format::Gif, {full, turned}, {4, 4}, {}, true)).frames.value(1), turned);
}

void AnimationTest::gifOfTheViewsLooks_data()
{
    QTest::addColumn<ViewLook>("look");
    QTest::addColumn<bool>("section");
    // The most mean error per channel of any frame, out of 255; 0: every pixel exact. The
    // surfaces' frames measured 0.084 to 0.107.
    QTest::addColumn<double>("mostError");
    QTest::newRow("dots") << ViewLook::dots << false << 0.0;
    QTest::newRow("surfaces") << ViewLook::surface << false << 0.2;
    QTest::newRow("section") << ViewLook::surface << true << 0.2;
}

// The first frames of a turn of three horns: the dots keep their colours to the pixel; the lit
// surfaces, of more than 256 colours, come back close to them, the first frame whole in one table;
// the words read back; the same frames give the same file.
void AnimationTest::gifOfTheViewsLooks()
{
    QFETCH(ViewLook, look);
    QFETCH(bool, section);
    QFETCH(double, mostError);
    FrameStyle style{QColor(239, 239, 239), Qt::black, 2, {}};
    style.look = look;
    style.section = section;
    const PictureCurves curves{{1, {20, 15, 10, 5, 3, 8, 45, 45}, 0.75}, {9, {22, 14.5, 8, 6.25, 4, 6, 30, 60}, 0.75}, {12, {18, 12, 9, 4, 5, 4, 45, 45}, 0.75}};
    const MotionScene scene{curves, std::nullopt, Motion{Turn{}, std::nullopt}, ViewAngles{45, 35}, 1, QSize(160, 120), 1, style};
    MotionFrames motion(scene);
    QList<QImage> frames;
    for (int k = 0; k < 6; ++k) {
        frames << motion.frame(k);
        QCOMPARE(colourCount(frames.back()) > 256, mostError > 0);
    }
    const AnimationWords words = AnimationWords::of(scene.document());
    const QByteArray file = written(Format::Gif, frames, QList<int>(frames.size(), 4), words, true);

    const Played played = playedGif(file);
    QCOMPARE(played.frames.size(), frames.size());
    QVERIFY(colourCount(played.frames[0]) <= 256);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const double error = meanError(played.frames[i], frames[i]);
        QVERIFY2(error <= mostError, qPrintable(QStringLiteral("frame %1: %2").arg(i).arg(error)));
    }
    const WordsReading reading = wordsOf(Format::Gif, file);
    QVERIFY2(std::holds_alternative<FileWords>(reading), qPrintable(refusalOf(reading)));
    const std::optional<QByteArray> &form = std::get<FileWords>(reading).machineForm;
    QVERIFY(form);
    QCOMPARE(std::get<PictureDocument>(MachineForm::read(*form)), scene.document());
    QCOMPARE(written(Format::Gif, frames, QList<int>(frames.size(), 4), words, true), file);
}

void AnimationTest::damagedAndHostileFiles_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");
    const QString damaged = QStringLiteral("danneggiata o incompleta"), tooLarge = QStringLiteral("è troppo grande");
    const QString later = QStringLiteral("versione più recente"), line2 = QStringLiteral("illeggibili alla riga 2");
    const QByteArray nan = "elica-picture 1\ncurve 1 nan 15 10 5 3 1 45 45 0.75\n";

    QTest::newRow("GIF, sound (its pixels are never decoded)") << Format::Gif << gifWith(oneCurve) << QString();
    QTest::newRow("GIF, a screen wider than 16384") << Format::Gif << gifScreen(16385, 10) + gifImage(0, 0, 1, 1) + ';' << tooLarge;
    QTest::newRow("GIF, a frame taller than 16384") << Format::Gif << gifWith(oneCurve, gifImage(0, 0, 1, 16385) + ';') << tooLarge;
    QTest::newRow("GIF, a frame off the screen") << Format::Gif << gifWith(oneCurve, gifImage(5, 0, 10, 10) + ';') << damaged;
    QTest::newRow("GIF, pixels that never end") << Format::Gif
                                                << gifWith(oneCurve, gifImage(0, 0, 10, 10).chopped(1) + QByteArray(2000, '\x07')) << damaged;
    QTest::newRow("GIF, a comment longer than it is") << Format::Gif
                                                      << gifScreen(10, 10) + "\x21\xfe\xc8" + oneCurve + '\0' + gifImage(0, 0, 10, 10) + ';'
                                                      << damaged;
    QTest::newRow("GIF, a code size over 8") << Format::Gif << gifWith(oneCurve, gifImage(0, 0, 10, 10, 12) + ';') << damaged;
    QTest::newRow("GIF, no frame") << Format::Gif << gifWith(oneCurve, ";") << damaged;
    QTest::newRow("GIF, no trailer") << Format::Gif << gifWith(oneCurve).chopped(1) << damaged;
    QTest::newRow("GIF, more frames than a motion makes") << Format::Gif << gifWith(oneCurve, gifImage(0, 0, 1, 1).repeated(10001) + ';')
                                                          << QStringLiteral("più di 10000 fotogrammi");
    QTest::newRow("GIF, two machine forms") << Format::Gif << gifWith(oneCurve, gifComment(oneCurve) + gifImage(0, 0, 10, 10) + ';')
                                            << damaged;
    QTest::newRow("GIF, a later version") << Format::Gif << gifWith(laterForm() + oneCurve.mid(16)) << later;
    QTest::newRow("GIF, not a number") << Format::Gif << gifWith(nan) << line2;
    QTest::newRow("GIF, not a number in the motion") << Format::Gif << gifWith(oneCurve + "sweep passo nan 2 4 una-volta\n")
                                                     << QStringLiteral("illeggibili alla riga 3");
    QTest::newRow("GIF, a PNG") << Format::Gif << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\0", 12) << QStringLiteral("non è un'immagine GIF");
    const QByteArray gif = written(Format::Gif, {viewLikeFrame(0), viewLikeFrame(1)}, {4, 4}, AnimationWords::of({{firstCurve}, {}}), true);
    QTest::newRow("GIF, cut short") << Format::Gif << gif.left(gif.size() * 2 / 3) << damaged;

    const AnimationWords words = AnimationWords::of({{firstCurve}, {}});
    const QByteArray webp = written(Format::Webp, {viewLikeFrame(0), viewLikeFrame(1)}, {4, 4}, words, true);
    QByteArray wide = webp;
    wide.replace(24, 3, QByteArray("\x1f\x4e\x00", 3)); // canvas width 20000
    QByteArray lying = webp;
    lying.replace(lying.indexOf("XMP ") + 4, 4, QByteArray("\0\0\0\x10", 4));
    QTest::newRow("WebP, sound") << Format::Webp << webp << QString();
    QTest::newRow("WebP, a canvas wider than 16384") << Format::Webp << wide << tooLarge;
    QTest::newRow("WebP, cut short") << Format::Webp << webp.left(webp.size() - 100) << damaged;
    QTest::newRow("WebP, a chunk longer than the file") << Format::Webp << lying << damaged;
    QTest::newRow("WebP, a later version")
        << Format::Webp << written(Format::Webp, {viewLikeFrame(0)}, {4}, {{}, {}, {}, laterForm() + oneCurve.mid(16)}, false) << later;
    QTest::newRow("WebP, not a number") << Format::Webp << written(Format::Webp, {viewLikeFrame(0)}, {4}, {{}, {}, {}, nan}, false) << line2;
    QTest::newRow("WebP, words with entities")
        << Format::Webp << webpWithXmp(webp, "<!DOCTYPE x [<!ENTITY a \"aaaa\">]><x:xmpmeta xmlns:x=\"adobe:ns:meta/\">&a;</x:xmpmeta>")
        << QStringLiteral("dichiarazioni che Elica non legge");
    QTest::newRow("WebP, words not well formed") << Format::Webp << webpWithXmp(webp, "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><a></x:xmpmeta>")
                                                 << QStringLiteral("illeggibili");
    QTest::newRow("WebP, a GIF") << Format::Webp << gifWith(oneCurve) << QStringLiteral("non è un'immagine WebP");
}

// Each file is refused with its reason, by the reader or by the machine form it carries; a sound
// one gives a document.
void AnimationTest::damagedAndHostileFiles()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    const WordsReading reading = wordsOf(format, file);
    QString why = refusalOf(reading);
    if (why.isEmpty()) {
        const std::optional<QByteArray> &form = std::get<FileWords>(reading).machineForm;
        QVERIFY(form);
        why = refusalOf(MachineForm::read(*form));
    }
    QVERIFY2(refusal.isEmpty() ? why.isEmpty() : why.contains(refusal), qPrintable(why));
}

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"
