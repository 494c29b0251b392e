#include "curve/Motion.h"
#include "files/motion/WebpFile.h"
#include "files/motion/WebpXmp.h"

#include <QIODevice>
#include <cstring>
#include <webp/encode.h>
#include <webp/mux.h>

namespace {
struct EncoderDelete {
    void operator()(WebPAnimEncoder *encoder) const { WebPAnimEncoderDelete(encoder); }
};
struct MuxDelete {
    void operator()(WebPMux *mux) const { WebPMuxDelete(mux); }
};
// Owns the bytes libwebp hands over.
struct Bytes : WebPData {
    Bytes() { WebPDataInit(this); }
    ~Bytes() { WebPDataClear(this); }
    Bytes(const Bytes &) = delete;
    Bytes &operator=(const Bytes &) = delete;
};

QString outOfMemory()
{
    return QStringLiteral("memoria insufficiente per scrivere il WebP");
}

class WebpWriter final : public AnimationWriter {
public:
    WebpWriter(QIODevice &out, QSize size, const AnimationWords &words, bool loops, const WordKeys &keys);

private:
    bool encode(const QImage &frame, int delayCentiseconds) override;
    bool close() override;

    QIODevice &m_out;
    AnimationWords m_words;
    WordKeys m_keys;
    std::unique_ptr<WebPAnimEncoder, EncoderDelete> m_encoder;
    WebPConfig m_config;
    // When the next frame starts, in milliseconds.
    int m_timestamp = 0;
};

// Lossless at the encoder's own quality and method: the frames come back to the pixel.
WebpWriter::WebpWriter(QIODevice &out, QSize size, const AnimationWords &words, bool loops, const WordKeys &keys)
    : AnimationWriter(size), m_out(out), m_words(words), m_keys(keys)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > WEBP_MAX_DIMENSION || size.height() > WEBP_MAX_DIMENSION) {
        fail(QStringLiteral("un WebP non può avere le dimensioni %1 × %2").arg(size.width()).arg(size.height()));
        return;
    }
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&m_config)) {
        fail(QStringLiteral("la versione di libwebp non è quella con cui Elica è stata compilata"));
        return;
    }
    options.anim_params.loop_count = loops ? 0 : 1;
    // A key frame at least every second of a motion: a viewer that starts mid-way decodes no more
    // than that, and where the figure moves all over the frame, the encoder's choice between a key
    // frame and the change from the frame before makes a turn's file smaller, and no slower.
    options.kmax = MotionPace::framesPerSecond;
    options.kmin = options.kmax - 1;
    m_config.lossless = 1;
    m_encoder.reset(WebPAnimEncoderNew(size.width(), size.height(), &options));
    if (!m_encoder)
        fail(outOfMemory());
}

bool WebpWriter::encode(const QImage &image, int delayCentiseconds)
{
    WebPPicture picture;
    if (!WebPPictureInit(&picture))
        return fail(outOfMemory());
    picture.use_argb = 1;
    picture.width = size().width();
    picture.height = size().height();
    if (!WebPPictureAlloc(&picture))
        return fail(outOfMemory());
    // Both hold a pixel as 0xAARRGGBB in the machine's order.
    for (int y = 0; y < size().height(); ++y)
        std::memcpy(picture.argb + std::ptrdiff_t(y) * picture.argb_stride, image.constScanLine(y), std::size_t(size().width()) * 4);
    const bool added = WebPAnimEncoderAdd(m_encoder.get(), &picture, m_timestamp, &m_config);
    WebPPictureFree(&picture);
    if (!added)
        return fail(QStringLiteral("libwebp non è riuscita a comprimere il fotogramma %1").arg(frames() + 1));
    m_timestamp += delayCentiseconds * 10;
    return true;
}

bool WebpWriter::close()
{
    Bytes animation;
    // A last call without a frame tells how long the last frame lasts.
    if (!WebPAnimEncoderAdd(m_encoder.get(), nullptr, m_timestamp, nullptr) || !WebPAnimEncoderAssemble(m_encoder.get(), &animation))
        return fail(QStringLiteral("libwebp non è riuscita a comporre l'animazione"));
    m_encoder.reset();
    const std::unique_ptr<WebPMux, MuxDelete> mux(WebPMuxCreate(&animation, 0));
    const QByteArray xmp = WebpXmp::packet(m_words, m_keys);
    const WebPData xmpData{reinterpret_cast<const std::uint8_t *>(xmp.constData()), std::size_t(xmp.size())};
    Bytes file;
    if (!mux || WebPMuxSetChunk(mux.get(), "XMP ", &xmpData, 1) != WEBP_MUX_OK || WebPMuxAssemble(mux.get(), &file) != WEBP_MUX_OK)
        return fail(QStringLiteral("libwebp non è riuscita ad aggiungere le parole all'animazione"));
    if (m_out.write(reinterpret_cast<const char *>(file.bytes), qint64(file.size)) != qint64(file.size))
        return fail(QStringLiteral("impossibile scrivere il WebP (%1)").arg(m_out.errorString()));
    return true;
}
}

std::unique_ptr<AnimationWriter> WebpFile::writer(QIODevice &out, QSize size, const AnimationWords &words, bool loops,
                                                 const WordKeys &keys)
{
    return std::make_unique<WebpWriter>(out, size, words, loops, keys);
}
