#pragma once
// A video encoded with FFmpeg's libraries as its frames come: converted to 4:2:0 by FFmpeg's
// scaler, compressed, and muxed into memory, where the MP4 muxer can move its index to the front;
// the whole file written to its device once finished. Part of the video module.

#include "files/motion/VideoMemory.h"
#include "files/motion/VideoSettings.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>

class QIODevice;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

struct MuxerFree {
    void operator()(AVFormatContext *muxer) const;
};
struct EncoderFree {
    void operator()(AVCodecContext *encoder) const;
};
struct ScalerFree {
    void operator()(SwsContext *scaler) const;
};
struct FrameFree {
    void operator()(AVFrame *frame) const;
};
struct PacketFree {
    void operator()(AVPacket *packet) const;
};

class VideoEncoder {
public:
    // The container's tags, name and text.
    using Tags = QList<std::pair<const char *, QByteArray>>;

    // padded: the frames' size made even, which a smaller frame is filled up to with the
    // background; name as messages say the format ("MP4").
    // shaded: the frames are of the lit surfaces, which take the encoding's higher quality.
    VideoEncoder(QIODevice &out, QSize padded, const Tags &tags, QRgb background, bool shaded, const VideoSettings::Encoding &encoding,
                 const char *name);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // A frame in 32-bit RGB shown for delayCentiseconds; false once encoding has failed.
    bool encode(const QImage &frame, int delayCentiseconds);
    // The rest of the frames out of the encoder, the file ended and written; false if it is not whole.
    bool finish();
    // In Italian, why encoding failed.
    QString error() const { return m_error; }

private:
    void start(const Tags &tags, bool shaded, const VideoSettings::Encoding &encoding);
    bool openEncoder(const VideoSettings::Encoding &encoding, bool shaded);
    // The frame with its odd width or height made even by the background.
    QImage padded(const QImage &frame) const;
    // Takes what the encoder has ready to the muxer.
    bool drain();
    bool libraryFailed(const char *what);
    bool frameFailed();
    // Keeps the first reason; returns false.
    bool fail(const QString &why);
    bool failed() const { return !m_error.isEmpty(); }

    QIODevice &m_out;
    const char *m_name;
    QRgb m_background;
    QSize m_padded;
    QString m_error;
    int m_frames = 0;
    VideoMemory m_memory;
    std::unique_ptr<AVFormatContext, MuxerFree> m_muxer;
    std::unique_ptr<AVCodecContext, EncoderFree> m_encoder;
    std::unique_ptr<SwsContext, ScalerFree> m_scaler;
    std::unique_ptr<AVFrame, FrameFree> m_frame;
    std::unique_ptr<AVPacket, PacketFree> m_packet;
    AVStream *m_stream = nullptr;
    std::int64_t m_time = 0;
    // The delay of each frame still in the encoder, by its time: its packet lasts as long.
    std::map<std::int64_t, int> m_delays;
};
