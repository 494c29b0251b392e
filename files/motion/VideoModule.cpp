#include "files/motion/VideoModule.h"
#include "files/motion/VideoEncoder.h"
#include "files/motion/VideoSettings.h"
#include "files/motion/VideoTags.h"

#include <new>

namespace {
struct Format {
    const char *name;
    const char *demuxer;
    const VideoSettings::Encoding &encoding;
};

const Format &formatOf(int container)
{
    static const Format mp4{"MP4", "mov", VideoSettings::mp4};
    static const Format webm{"WebM", "matroska", VideoSettings::webm};
    return container == VideoModule::webm ? webm : mp4;
}

VideoEncoder *encoderOf(void *encoder)
{
    return static_cast<VideoEncoder *>(encoder);
}

void *openEncoder(int container, QIODevice *out, QSize size, const VideoModule::Tags *tags, QRgb background, bool shaded, QString *why)
{
    const Format &format = formatOf(container);
    auto *encoder = new (std::nothrow) VideoEncoder(*out, size, *tags, background, shaded, format.encoding, format.name);
    if (!encoder) {
        *why = QStringLiteral("memoria insufficiente per il video %1").arg(QLatin1String(format.name));
        return nullptr;
    }
    if (!encoder->error().isEmpty()) {
        *why = encoder->error();
        delete encoder;
        return nullptr;
    }
    return encoder;
}

bool encodeFrame(void *encoder, const QImage *image, int delayCentiseconds, QString *why)
{
    if (encoderOf(encoder)->encode(*image, delayCentiseconds))
        return true;
    *why = encoderOf(encoder)->error();
    return false;
}

bool finishVideo(void *encoder, QString *why)
{
    if (encoderOf(encoder)->finish())
        return true;
    *why = encoderOf(encoder)->error();
    return false;
}

void closeEncoder(void *encoder)
{
    delete encoderOf(encoder);
}

bool readTags(int container, QIODevice *in, qint64 readable, const QStringList *names, QList<QByteArray> *values, QString *why)
{
    const Format &format = formatOf(container);
    QList<QByteArray> keys;
    for (const QString &name : *names)
        keys << name.toUtf8();
    std::variant<QList<QByteArray>, QString> read = VideoTags::read(*in, readable, format.name, format.demuxer, keys);
    if (QString *refused = std::get_if<QString>(&read)) {
        *why = *refused;
        return false;
    }
    *values = std::get<QList<QByteArray>>(std::move(read));
    return true;
}

const VideoModule::Entry entry{openEncoder, encodeFrame, finishVideo, closeEncoder, readTags};
}

extern "C" Q_DECL_EXPORT const VideoModule::Entry *elica_video_entry()
{
    return &entry;
}
