#include "files/motion/VideoEncoder.h"
#include "curve/Motion.h"
#include "files/motion/FfmpegLog.h"

#include <QIODevice>
#include <cstring>
#include <map>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {
// A dictionary of options, and which of them nobody took.
class Options {
public:
    explicit Options(std::span<const VideoSettings::Option> options)
    {
        for (const VideoSettings::Option &option : options)
            av_dict_set(&m_dictionary, option.name, option.value, 0);
    }
    ~Options() { av_dict_free(&m_dictionary); }
    Options(const Options &) = delete;
    Options &operator=(const Options &) = delete;
    void set(const char *name, const char *value) { av_dict_set(&m_dictionary, name, value, 0); }
    AVDictionary **get() { return &m_dictionary; }
    bool allTaken() const { return av_dict_count(m_dictionary) == 0; }

private:
    AVDictionary *m_dictionary = nullptr;
};

// Every frame is a moment of a motion at 25 a second; the encoder counts in hundredths, the unit
// of each frame's delay, so that a longer frame lasts as long as it should.
constexpr AVRational centiseconds{1, 100};
}

void MuxerFree::operator()(AVFormatContext *muxer) const
{
    avformat_free_context(muxer);
}

void EncoderFree::operator()(AVCodecContext *encoder) const
{
    avcodec_free_context(&encoder);
}

void ScalerFree::operator()(SwsContext *scaler) const
{
    sws_freeContext(scaler);
}

void FrameFree::operator()(AVFrame *frame) const
{
    av_frame_free(&frame);
}

void PacketFree::operator()(AVPacket *packet) const
{
    av_packet_free(&packet);
}

VideoEncoder::VideoEncoder(QIODevice &out, QSize padded, const Tags &tags, QRgb background, bool shaded,
                           const VideoSettings::Encoding &encoding, const char *name)
    : m_out(out), m_name(name), m_background(background | 0xFF000000u), m_padded(padded)
{
    FfmpegLog::silence();
    start(tags, shaded, encoding);
}

VideoEncoder::~VideoEncoder() = default;

bool VideoEncoder::fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = why;
    return false;
}

void VideoEncoder::start(const Tags &tags, bool shaded, const VideoSettings::Encoding &encoding)
{
    AVFormatContext *muxer = nullptr;
    avformat_alloc_output_context2(&muxer, nullptr, encoding.muxer, nullptr);
    m_muxer.reset(muxer);
    m_frame.reset(av_frame_alloc());
    m_packet.reset(av_packet_alloc());
    if (!m_muxer || !m_frame || !m_packet || !m_memory.attach(muxer)) {
        libraryFailed("preparare");
        return;
    }
    if (!openEncoder(encoding, shaded))
        return;
    m_stream = avformat_new_stream(muxer, nullptr);
    if (!m_stream || avcodec_parameters_from_context(m_stream->codecpar, m_encoder.get()) < 0) {
        libraryFailed("preparare");
        return;
    }
    m_stream->time_base = centiseconds;
    m_stream->avg_frame_rate = m_encoder->framerate;
    // Words left empty are not written at all.
    for (const auto &[key, value] : tags)
        if (!value.isEmpty())
            av_dict_set(&muxer->metadata, key, value.constData(), 0);
    Options options(encoding.muxerOptions);
    if (avformat_write_header(muxer, options.get()) < 0 || !options.allTaken()) {
        libraryFailed("preparare");
        return;
    }

    // The colours go to 4:2:0 by FFmpeg's own scaler, with the BT.709 matrix and the limited range
    // that the stream says it has (a player takes a video of this size for BT.709 in any case).
    m_scaler.reset(sws_getContext(m_padded.width(), m_padded.height(), AV_PIX_FMT_0RGB32, m_padded.width(), m_padded.height(),
                                  AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!m_scaler) {
        libraryFailed("preparare");
        return;
    }
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(m_scaler.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    m_frame->format = AV_PIX_FMT_YUV420P;
    m_frame->width = m_padded.width();
    m_frame->height = m_padded.height();
    if (av_frame_get_buffer(m_frame.get(), 0) < 0)
        libraryFailed("preparare");
}

bool VideoEncoder::openEncoder(const VideoSettings::Encoding &encoding, bool shaded)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(encoding.encoder);
    if (!codec)
        return fail(QStringLiteral("FFmpeg non ha il codificatore %1").arg(QLatin1String(encoding.encoder)));
    m_encoder.reset(avcodec_alloc_context3(codec));
    if (!m_encoder)
        return libraryFailed("preparare");
    AVCodecContext &encoder = *m_encoder;
    encoder.width = m_padded.width();
    encoder.height = m_padded.height();
    encoder.sample_aspect_ratio = {1, 1};
    encoder.pix_fmt = AV_PIX_FMT_YUV420P;
    encoder.time_base = centiseconds;
    encoder.framerate = {MotionPace::framesPerSecond, 1};
    encoder.color_range = AVCOL_RANGE_MPEG;
    encoder.colorspace = AVCOL_SPC_BT709;
    encoder.color_primaries = AVCOL_PRI_BT709;
    encoder.color_trc = AVCOL_TRC_BT709;
    if (m_muxer->oformat->flags & AVFMT_GLOBALHEADER)
        encoder.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Options options(encoding.encoderOptions);
    options.set("crf", shaded ? encoding.surfacesQuality : encoding.dotsQuality);
    if (avcodec_open2(&encoder, codec, options.get()) < 0 || !options.allTaken())
        return libraryFailed("preparare");
    return true;
}

QImage VideoEncoder::padded(const QImage &frame) const
{
    if (frame.size() == m_padded)
        return frame;
    QImage image(m_padded, QImage::Format_RGB32);
    image.fill(m_background);
    for (int y = 0; y < frame.height(); ++y)
        std::memcpy(image.scanLine(y), frame.constScanLine(y), std::size_t(frame.width()) * 4);
    return image;
}

bool VideoEncoder::encode(const QImage &frame, int delayCentiseconds)
{
    if (failed())
        return false;
    ++m_frames;
    const QImage image = padded(frame);
    if (av_frame_make_writable(m_frame.get()) < 0)
        return frameFailed();
    const std::uint8_t *const planes[] = {image.constBits()};
    const int strides[] = {int(image.bytesPerLine())};
    sws_scale(m_scaler.get(), planes, strides, 0, image.height(), m_frame->data, m_frame->linesize);
    m_frame->pts = m_time;
    m_delays[m_time] = delayCentiseconds;
    m_time += delayCentiseconds;
    if (avcodec_send_frame(m_encoder.get(), m_frame.get()) < 0)
        return frameFailed();
    return drain();
}

bool VideoEncoder::drain()
{
    for (;;) {
        const int received = avcodec_receive_packet(m_encoder.get(), m_packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return true;
        if (received < 0)
            return frameFailed();
        if (const auto delay = m_delays.find(m_packet->pts); delay != m_delays.end()) {
            m_packet->duration = delay->second;
            m_delays.erase(delay);
        }
        av_packet_rescale_ts(m_packet.get(), centiseconds, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        if (av_interleaved_write_frame(m_muxer.get(), m_packet.get()) < 0)
            return libraryFailed("comporre");
    }
}

bool VideoEncoder::finish()
{
    if (failed())
        return false;
    if (avcodec_send_frame(m_encoder.get(), nullptr) < 0 || !drain())
        return libraryFailed("comprimere");
    if (av_write_trailer(m_muxer.get()) < 0)
        return libraryFailed("comporre");
    const QByteArray &file = m_memory.bytes();
    if (m_out.write(file) != file.size())
        return fail(QStringLiteral("impossibile scrivere il video %1 (%2)").arg(QLatin1String(m_name), m_out.errorString()));
    return true;
}

// "FFmpeg non è riuscito a comprimere il video MP4": what failed is in the verb.
bool VideoEncoder::libraryFailed(const char *what)
{
    return fail(QStringLiteral("FFmpeg non è riuscito a %1 il video %2").arg(QLatin1String(what), QLatin1String(m_name)));
}

bool VideoEncoder::frameFailed()
{
    return fail(QStringLiteral("FFmpeg non è riuscito a comprimere il fotogramma %1").arg(m_frames));
}
