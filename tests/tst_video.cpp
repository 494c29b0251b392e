// Videos of the view in motion: MP4 and WebM files decoded back with FFmpeg's libraries as a
// player would (codec, 4:2:0, frame rate, length, an odd size padded with the background, the
// first frame against its source), their words read back to the document, and damaged or hostile
// videos refused with one reason, each within a second.
#include "TestSupport.h"
#include "files/PictureFormats.h"
#include "files/PictureReader.h"
#include "view3d/AnimationSave.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <bit>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

using PictureFormats::Format;
Q_DECLARE_METATYPE(Format)

namespace {
enum class Look { Dots, Shaded };

const PictureCurve firstCurve{1, {20, 15, 10, 5, 3, 1, 45, 45}, 0.75};
const PictureCurves threeCurves{firstCurve, {9, {22, 14.5, 8, 6.25, 4, 1.5, 30, 60}, 0.75}, {12, {18, 12, 9, 4, 5, 1, 45, 45}, 0.75}};
// A turn of a second: 25 frames.
const Motion shortTurn{Turn{1}, std::nullopt};

// The view's frames: a few curves of small coloured dots on a plain background, or their lit
// surfaces with the dots on them.
MotionScene viewScene(QSize size, QRgb background, Look look)
{
    FrameStyle style{QColor(background), Qt::black, 2, {}};
    style.look = look == Look::Dots ? ViewLook::dots : ViewLook::surfaceAndDots;
    return {threeCurves, std::nullopt, shortTurn, ViewAngles{45, 35}, 1, size, 1, style};
}

// As lit surfaces look: overlapping soft gradients of several colours, moving from frame to frame.
QImage shadedFrame(QSize size, int k)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(239, 239, 239));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(200, 40, 40), QColor(30, 120, 220), QColor(240, 190, 30), QColor(40, 170, 90)};
    for (int i = 0; i < 4; ++i) {
        const QPointF centre(size.width() * (0.3 + 0.15 * i) + 6 * std::cos(k * 0.3 + i), size.height() * (0.4 + 0.1 * (i % 2)) + 4 * k % 9);
        const double radius = size.height() * (0.45 - 0.06 * i);
        QRadialGradient light(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
        light.setColorAt(0, colours[i].lighter(170));
        light.setColorAt(0.5, colours[i]);
        light.setColorAt(1, colours[i].darker(300));
        painter.setBrush(light);
        painter.drawEllipse(centre, radius * 1.2, radius);
    }
    return image;
}

QImage paddedTo(const QImage &image, QSize size, QRgb background)
{
    QImage padded(size, QImage::Format_RGB32);
    padded.fill(background);
    QPainter(&padded).drawImage(0, 0, image);
    return padded;
}

// A frame's three planes of 8 bits, 4:2:0.
struct Planes {
    std::array<QByteArray, 3> plane;
};

// As FFmpeg's own tools would make the reference: its scaler, BT.709, limited range.
Planes yuv420(const QImage &rgb)
{
    const QImage image = rgb.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    Planes planes{{QByteArray(w * h, 0), QByteArray(w / 2 * (h / 2), 0), QByteArray(w / 2 * (h / 2), 0)}};
    SwsContext *scaler = sws_getContext(w, h, AV_PIX_FMT_0RGB32, w, h, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    const std::uint8_t *source[] = {image.constBits()};
    const int sourceStrides[] = {int(image.bytesPerLine())};
    std::uint8_t *target[] = {reinterpret_cast<std::uint8_t *>(planes.plane[0].data()), reinterpret_cast<std::uint8_t *>(planes.plane[1].data()),
                              reinterpret_cast<std::uint8_t *>(planes.plane[2].data())};
    const int targetStrides[] = {w, w / 2, w / 2};
    sws_scale(scaler, source, sourceStrides, 0, h, target, targetStrides);
    sws_freeContext(scaler);
    return planes;
}

// Over the samples of all three planes, as FFmpeg's psnr filter weighs them.
double psnr(const Planes &a, const Planes &b)
{
    double squares = 0;
    qint64 samples = 0;
    for (int p = 0; p < 3; ++p) {
        for (qsizetype i = 0; i < a.plane[p].size(); ++i) {
            const double d = uchar(a.plane[p][i]) - uchar(b.plane[p][i]);
            squares += d * d;
        }
        samples += a.plane[p].size();
    }
    return squares == 0 ? 100 : 10 * std::log10(255.0 * 255.0 * double(samples) / squares);
}

// What a player finds in a video: its stream, and the frames decoded, the first kept.
struct Played {
    AVCodecParameters stream{};
    AVRational frameRate{0, 1};
    double seconds = 0;
    int frames = 0;
    Planes first;
};

Played played(const QString &path)
{
    Played played;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, path.toLocal8Bit().constData(), nullptr, nullptr) < 0)
        return played;
    const AVCodec *codec = nullptr;
    const int index = avformat_find_stream_info(format, nullptr) < 0 ? -1 : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    AVCodecContext *decoder = index < 0 ? nullptr : avcodec_alloc_context3(codec);
    if (decoder && avcodec_parameters_to_context(decoder, format->streams[index]->codecpar) >= 0 && avcodec_open2(decoder, codec, nullptr) >= 0) {
        // Its numbers only: what it points to goes with the file.
        played.stream = *format->streams[index]->codecpar;
        played.frameRate = format->streams[index]->avg_frame_rate;
        played.seconds = double(format->duration) / AV_TIME_BASE;
        AVPacket *packet = av_packet_alloc();
        AVFrame *frame = av_frame_alloc();
        const auto receive = [&] {
            while (avcodec_receive_frame(decoder, frame) >= 0) {
                for (int p = 0; p < 3 && played.frames == 0; ++p)
                    for (int y = 0; y < (p ? frame->height / 2 : frame->height); ++y)
                        played.first.plane[p].append(reinterpret_cast<const char *>(frame->data[p] + y * frame->linesize[p]),
                                                     p ? frame->width / 2 : frame->width);
                ++played.frames;
                av_frame_unref(frame);
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == index && avcodec_send_packet(decoder, packet) >= 0)
                receive();
            av_packet_unref(packet);
        }
        avcodec_send_packet(decoder, nullptr);
        receive();
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return played;
}

QByteArray written(Format format, const QList<QImage> &frames, const AnimationWords &words)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    const std::unique_ptr<AnimationWriter> writer = PictureFormats::of(format).write(out, frames[0].size(), words, true);
    for (const QImage &frame : frames)
        writer->addFrame(frame, 4);
    if (!writer->finish())
        qInfo("%s", qPrintable(writer->error()));
    return bytes;
}

PictureReader::Reading readBack(const QByteArray &file, const QString &name)
{
    QByteArray bytes = file;
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return PictureReader::read(in, name);
}

QString refusalOf(const PictureReader::Reading &reading)
{
    const QString *why = std::get_if<QString>(&reading);
    return why ? *why : QString();
}

// Hand-made damage: an MP4's boxes found by their path from the top, a WebM's elements by their
// IDs, and sizes set to lie.
qsizetype boxAt(const QByteArray &file, const QList<QByteArray> &path, qsizetype from = 0, qsizetype to = -1)
{
    if (to < 0)
        to = file.size();
    for (qsizetype at = from; at + 8 <= to;) {
        const quint32 size = qFromBigEndian<quint32>(file.constData() + at);
        if (file.mid(at + 4, 4) == path.front())
            return path.size() == 1 ? at : boxAt(file, path.mid(1), at + (path.front() == "stsd" ? 16 : 8), at + size);
        if (size < 8)
            return -1;
        at += size;
    }
    return -1;
}

// The 3000 tracks that no video of Elica has, each a copy of its one.
QByteArray mp4OfManyTracks(const QByteArray &file)
{
    const qsizetype moov = boxAt(file, {"moov"}), trak = boxAt(file, {"moov", "trak"});
    const quint32 moovSize = qFromBigEndian<quint32>(file.constData() + moov);
    const QByteArray track = file.mid(trak, qFromBigEndian<quint32>(file.constData() + trak));
    QByteArray index = file.mid(moov, moovSize) + track.repeated(2999);
    qToBigEndian(quint32(index.size()), index.data());
    return file.left(moov) + index + file.mid(moov + moovSize);
}

struct Element {
    qsizetype at;
    qsizetype sizeAt;
    int sizeBytes;
    qsizetype content;
    qsizetype end;
};

// The first element of the path's last ID, looking inside the elements of the path from..to.
std::optional<Element> find(const QByteArray &file, const QList<QByteArray> &path, qsizetype from = 0, qsizetype to = -1)
{
    for (qsizetype at = from; at < (to < 0 ? file.size() : to);) {
        const qsizetype sizeAt = at + std::countl_zero(uchar(file[at])) + 1;
        const int sizeBytes = std::countl_zero(uchar(file[sizeAt])) + 1;
        quint64 size = uchar(file[sizeAt]) & (0xFF >> sizeBytes);
        for (int i = 1; i < sizeBytes; ++i)
            size = size << 8 | uchar(file[sizeAt + i]);
        const Element element{at, sizeAt, sizeBytes, sizeAt + sizeBytes, sizeAt + sizeBytes + qsizetype(size)};
        if (file.mid(at, path.front().size()) == path.front())
            return path.size() == 1 ? element : find(file, path.mid(1), element.content, element.end);
        at = element.end;
    }
    return std::nullopt;
}

void setSize(QByteArray &file, const Element &element, quint64 size)
{
    for (int i = element.sizeBytes - 1; i >= 0; --i, size >>= 8)
        file[element.sizeAt + i] = char(size & 0xFF);
    file[element.sizeAt] = char(uchar(file[element.sizeAt]) | (0x80 >> (element.sizeBytes - 1)));
}

const QByteArray segment("\x18\x53\x80\x67", 4), tracks("\x16\x54\xAE\x6B", 4), trackEntry("\xAE", 1), video("\xE0", 1),
    pixelWidth("\xB0", 1);

QByteArray webmOfManyTracks(const QByteArray &file)
{
    const Element all = *find(file, {segment}), list = *find(file, {segment, tracks}), entry = *find(file, {segment, tracks, trackEntry});
    const QByteArray entries = file.mid(entry.at, entry.end - entry.at).repeated(3000);
    // The list's size in eight bytes, wide enough for any.
    QByteArray listed = tracks + QByteArray(8, '\0') + entries;
    setSize(listed, {0, 4, 8, 12, 0}, quint64(entries.size()));
    QByteArray out = file.left(list.at) + listed + file.mid(list.end);
    setSize(out, all, quint64(all.end - all.content + listed.size() - (list.end - list.at)));
    return out;
}
}

class VideoTest : public QObject {
    Q_OBJECT
private slots:
    void playedBack_data();
    void playedBack();
    void sizesRefused_data();
    void sizesRefused();
    void damagedAndHostileVideos_data();
    void damagedAndHostileVideos();
};

void VideoTest::playedBack_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<Look>("look");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("leastPsnr");
    for (const Format format : {Format::Mp4, Format::Webm}) {
        const QByteArray name = PictureFormats::of(format).name;
        QTest::newRow(name + ", dots") << format << Look::Dots << QSize(320, 240) << 34.0;
        QTest::newRow(name + ", shaded") << format << Look::Shaded << QSize(320, 240) << 40.0;
        QTest::newRow(name + ", dots of an odd size") << format << Look::Dots << QSize(161, 121) << 34.0;
        QTest::newRow(name + ", shaded of an odd width") << format << Look::Shaded << QSize(321, 240) << 40.0;
    }
}

// The view's turn saved as the view saves it, on a background of the view's that pads an odd size:
// the dots, and the surfaces, which the writer takes with its higher quality.
void VideoTest::playedBack()
{
    QFETCH(Format, format);
    QFETCH(Look, look);
    QFETCH(QSize, size);
    QFETCH(double, leastPsnr);
    const PictureFormats::Entry &entry = PictureFormats::of(format);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("giro.") + QLatin1String(entry.extension));
    const QRgb background = look == Look::Dots ? qRgb(20, 40, 160) : qRgb(239, 239, 239);
    const MotionScene scene = viewScene(size, background, look);
    const PictureDocument document = scene.document();
    const AnimationSave::Outcome outcome = AnimationSave::write(scene, path, entry);
    QVERIFY2(!outcome.failure, qPrintable(outcome.failure.value_or(QString())));
    const QImage source = MotionFrames(scene).frame(0);
    QFile in(path);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray file = in.readAll();

    const Played video = played(path);
    const AVCodecParameters &stream = video.stream;
    QCOMPARE(stream.codec_id, format == Format::Mp4 ? AV_CODEC_ID_H264 : AV_CODEC_ID_VP9);
    if (format == Format::Mp4) {
        QCOMPARE(stream.profile, FF_PROFILE_H264_HIGH);
        QVERIFY(stream.level > 0 && stream.level <= 51);
        QVERIFY(boxAt(file, {"moov"}) > 0 && boxAt(file, {"moov"}) < boxAt(file, {"mdat"}));
    }
    QCOMPARE(stream.format, int(AV_PIX_FMT_YUV420P));
    const QSize even((size.width() + 1) / 2 * 2, (size.height() + 1) / 2 * 2);
    QCOMPARE(QSize(stream.width, stream.height), even);
    QCOMPARE(video.frames, 25);
    QCOMPARE(av_q2d(video.frameRate), 25.0);
    QCOMPARE(video.seconds, 1.0);

    // Against the source padded, not stretched: a stretched frame would be off by up to a pixel
    // everywhere, and a frame padded with another colour off along its edge.
    const double measured = psnr(video.first, yuv420(paddedTo(source, even, background)));
    QVERIFY2(measured >= leastPsnr, qPrintable(QStringLiteral("PSNR %1 dB").arg(measured)));

    const PictureReader::Reading reading = readBack(file, QFileInfo(path).fileName());
    QVERIFY2(std::holds_alternative<PictureDocument>(reading), qPrintable(refusalOf(reading)));
    QCOMPARE(std::get<PictureDocument>(reading), document);
}

void VideoTest::sizesRefused_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("refused");
    for (const Format format : {Format::Mp4, Format::Webm}) {
        const QByteArray name = PictureFormats::of(format).name;
        QTest::newRow(name + ", 16383 padded to the largest side") << format << QSize(16383, 2) << false;
        QTest::newRow(name + ", wider than a reader opens") << format << QSize(16385, 2) << true;
    }
}

// No video is written that its own reader would refuse; the largest that is comes back whole.
void VideoTest::sizesRefused()
{
    QFETCH(Format, format);
    QFETCH(QSize, size);
    QFETCH(bool, refused);
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(Qt::darkCyan);
    if (refused)
        QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("un video %1 non può avere le dimensioni 16385 × 2")
                                                       .arg(QLatin1String(PictureFormats::of(format).name))));
    const QByteArray bytes = written(format, {frame}, {});
    QCOMPARE(bytes.isEmpty(), refused);
    if (!refused)
        QVERIFY(refusalOf(readBack(bytes, QStringLiteral("largo.") + PictureFormats::of(format).extension)).endsWith(
            QStringLiteral("non dice quali curve contiene")));
}

void VideoTest::damagedAndHostileVideos_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");
    const QList<QImage> frames = {shadedFrame(QSize(320, 240), 0), shadedFrame(QSize(320, 240), 1), shadedFrame(QSize(320, 240), 2)};
    const AnimationWords words = AnimationWords::of({{firstCurve}, {}, shortTurn});
    const QByteArray oneCurve = "elica-picture 1\ncurve 1 20 15 10 5 3 1 45 45 0.75\n";
    const AnimationWords later{{}, {}, {}, laterForm() + oneCurve.mid(16)};
    const AnimationWords nan{{}, {}, {}, "elica-picture 1\ncurve 1 nan 15 10 5 3 1 45 45 0.75\n"};
    const QString noWords = QStringLiteral("non dice quali curve contiene"), laterVersion = QStringLiteral("versione più recente"),
                  line2 = QStringLiteral("illeggibili alla riga 2"), tooLarge = QStringLiteral("troppo grande (20000 × "),
                  manyTracks = QStringLiteral("più di 8 tracce");

    const QByteArray mp4 = written(Format::Mp4, frames, words);
    const QString damagedMp4 = QStringLiteral("il video MP4 è danneggiato o incompleto");
    const qsizetype moov = boxAt(mp4, {"moov"}), mdat = boxAt(mp4, {"mdat"});
    QByteArray lyingMp4 = mp4, overflowingTrack = mp4, wideTrack = mp4, tallSample = mp4;
    qToBigEndian(quint32(mp4.size() + 1000), lyingMp4.data() + moov);
    qToBigEndian(quint32(mp4.size() - moov), overflowingTrack.data() + boxAt(mp4, {"moov", "trak"}));
    qToBigEndian(20000u << 16, wideTrack.data() + boxAt(mp4, {"moov", "trak", "tkhd"}) + 8 + 76);
    qToBigEndian(quint16(20000), tallSample.data() + boxAt(mp4, {"moov", "trak", "mdia", "minf", "stbl", "stsd", "avc1"}) + 8 + 26);
    QTest::newRow("MP4, sound") << "giro.mp4" << mp4 << QString();
    QTest::newRow("MP4, cut in its first box") << "giro.mp4" << mp4.left(20) << damagedMp4;
    QTest::newRow("MP4, cut in the index") << "giro.mp4" << mp4.left(moov + 200) << damagedMp4;
    QTest::newRow("MP4, cut in the frames") << "giro.mp4" << mp4.left(mdat + (mp4.size() - mdat) / 2) << damagedMp4;
    QTest::newRow("MP4, cut by a byte") << "giro.mp4" << mp4.chopped(1) << damagedMp4;
    QTest::newRow("MP4, an index longer than the file") << "giro.mp4" << lyingMp4 << damagedMp4;
    QTest::newRow("MP4, a track longer than the index") << "giro.mp4" << overflowingTrack << damagedMp4;
    QTest::newRow("MP4, a track 20000 wide") << "giro.mp4" << wideTrack << tooLarge;
    QTest::newRow("MP4, frames 20000 tall") << "giro.mp4" << tallSample << QStringLiteral("troppo grande (320 × 20000");
    QTest::newRow("MP4, 3000 tracks") << "giro.mp4" << mp4OfManyTracks(mp4) << manyTracks;
    QTest::newRow("MP4, no words") << "giro.mp4" << written(Format::Mp4, frames, {}) << noWords;
    QTest::newRow("MP4, a later version") << "giro.mp4" << written(Format::Mp4, frames, later) << laterVersion;
    QTest::newRow("MP4, not a number") << "giro.mp4" << written(Format::Mp4, frames, nan) << line2;

    const QByteArray webm = written(Format::Webm, frames, words);
    const QString damagedWebm = QStringLiteral("il video WebM è danneggiato o incompleto");
    const Element list = *find(webm, {segment, tracks}), entry = *find(webm, {segment, tracks, trackEntry});
    const Element width = *find(webm, {segment, tracks, trackEntry, video, pixelWidth});
    QByteArray lyingWebm = webm, overflowingEntry = webm, wideWebm = webm;
    setSize(lyingWebm, *find(webm, {segment}), quint64(webm.size()));
    setSize(overflowingEntry, entry, quint64(list.end - entry.content + 1));
    QCOMPARE(width.end - width.content, 2);
    qToBigEndian(quint16(20000), wideWebm.data() + width.content);
    QTest::newRow("WebM, sound") << "giro.webm" << webm << QString();
    QTest::newRow("WebM, cut in its header") << "giro.webm" << webm.left(30) << damagedWebm;
    QTest::newRow("WebM, cut in the tracks") << "giro.webm" << webm.left(list.content + 10) << damagedWebm;
    QTest::newRow("WebM, cut in the frames") << "giro.webm" << webm.left(webm.size() * 2 / 3) << damagedWebm;
    QTest::newRow("WebM, cut by a byte") << "giro.webm" << webm.chopped(1) << damagedWebm;
    QTest::newRow("WebM, a segment longer than the file") << "giro.webm" << lyingWebm << damagedWebm;
    QTest::newRow("WebM, a track longer than the tracks") << "giro.webm" << overflowingEntry << damagedWebm;
    QTest::newRow("WebM, a picture 20000 wide") << "giro.webm" << wideWebm << tooLarge;
    QTest::newRow("WebM, 3000 tracks") << "giro.webm" << webmOfManyTracks(webm) << manyTracks;
    QTest::newRow("WebM, no words") << "giro.webm" << written(Format::Webm, frames, {}) << noWords;
    QTest::newRow("WebM, a later version") << "giro.webm" << written(Format::Webm, frames, later) << laterVersion;
    QTest::newRow("WebM, not a number") << "giro.webm" << written(Format::Webm, frames, nan) << line2;
    QTest::newRow("WebM, named .mp4") << "giro.mp4" << webm << QStringLiteral("il nome dice .mp4, ma il contenuto non è un'immagine MP4");
}

// Each refused with its reason, by the walk of the headers, by FFmpeg or by the machine form,
// and at once: a walk that let FFmpeg probe 3000 tracks would take seconds.
void VideoTest::damagedAndHostileVideos()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    QElapsedTimer timer;
    timer.start();
    const PictureReader::Reading reading = readBack(file, name);
    const qint64 elapsed = timer.elapsed();
    const QString why = refusalOf(reading);
    if (refusal.isEmpty())
        QVERIFY2(std::holds_alternative<PictureDocument>(reading), qPrintable(why));
    else
        QVERIFY2(why.contains(refusal), qPrintable(why));
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

QTEST_MAIN(VideoTest)
#include "tst_video.moc"
