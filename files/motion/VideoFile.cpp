#include "files/motion/VideoFile.h"
#include "files/motion/AnimationBounds.h"
#include "files/motion/Mp4Walk.h"
#include "files/motion/VideoModule.h"
#include "files/motion/VideoRefusals.h"
#include "files/motion/WebmWalk.h"
#include "runtime/PrivateModule.h"

#include <QIODevice>

namespace {
struct Container {
    VideoModule::Container id;
    const char *name;
    bool (*recognises)(const QByteArray &head);
    std::variant<qint64, QString> (*walk)(QIODevice &device);
};

const Container mp4{VideoModule::mp4, "MP4", VideoFile::isMp4, Mp4Walk::check};
const Container webm{VideoModule::webm, "WebM", VideoFile::isWebm, WebmWalk::check};

// The module, loaded the first time a video is written or read; null when it cannot be.
const VideoModule::Entry *module()
{
    static const VideoModule::Entry *entry = [] {
        const auto function = reinterpret_cast<VideoModule::EntryFunction>(
            PrivateModule::resolve(VideoModule::fileName, VideoModule::entryName));
        return function ? function() : nullptr;
    }();
    return entry;
}

QString moduleMissing(const char *what)
{
    return QStringLiteral("manca il modulo che %1 i video (%2)").arg(QLatin1String(what), QLatin1String(VideoModule::fileName));
}

// Hands the frames to the module's encoder as they come.
class VideoWriter final : public AnimationWriter {
public:
    VideoWriter(QIODevice &out, QSize size, const AnimationWords &words, QRgb background, const WordKeys &keys,
                const Container &container)
        : AnimationWriter(size)
    {
        const QSize padded((size.width() + 1) & ~1, (size.height() + 1) & ~1);
        if (size.width() < 1 || size.height() < 1 || padded.width() > AnimationBounds::largestSide
            || padded.height() > AnimationBounds::largestSide) {
            fail(QStringLiteral("un video %1 non può avere le dimensioni %2 × %3")
                     .arg(QLatin1String(container.name))
                     .arg(size.width())
                     .arg(size.height()));
            return;
        }
        if (!m_module) {
            fail(moduleMissing("scrive"));
            return;
        }
        const VideoModule::Tags tags{{keys.title, words.title.toUtf8()},
                                     {keys.maker, words.maker.toUtf8()},
                                     {keys.description, words.description.toUtf8()},
                                     {keys.form, words.machineForm}};
        QString why;
        m_encoder = m_module->open(container.id, &out, padded, &tags, background, words.look != ViewLook::dots, &why);
        if (!m_encoder)
            fail(why);
    }
    ~VideoWriter() override
    {
        if (m_encoder)
            m_module->close(m_encoder);
    }

private:
    bool encode(const QImage &frame, int delayCentiseconds) override
    {
        QString why;
        return m_encoder && (m_module->frame(m_encoder, &frame, delayCentiseconds, &why) || fail(why));
    }
    bool close() override
    {
        QString why;
        return m_encoder && (m_module->finish(m_encoder, &why) || fail(why));
    }

    const VideoModule::Entry *m_module = module();
    void *m_encoder = nullptr;
};

// The headers are walked by hand first, so that FFmpeg, which would take seconds over a thousand
// tracks, only ever sees a file of sound proportions; it reads no more than the headers, and no
// frame is decoded.
WordsReading wordsOf(QIODevice &device, const WordKeys &keys, const Container &container)
{
    if (!container.recognises(device.peek(256)))
        return VideoRefusals::notVideo(container.name);
    const std::variant<qint64, QString> walked = container.walk(device);
    if (const QString *why = std::get_if<QString>(&walked))
        return *why;
    if (!device.seek(0))
        return VideoRefusals::damaged(container.name);
    const VideoModule::Entry *read = module();
    if (!read)
        return moduleMissing("legge");
    const QStringList names{QString::fromLatin1(keys.maker), QString::fromLatin1(keys.description), QString::fromLatin1(keys.form)};
    QList<QByteArray> texts;
    QString why;
    if (!read->tags(container.id, &device, std::get<qint64>(walked), &names, &texts, &why))
        return why;
    for (const QByteArray &text : texts)
        if (text.size() > AnimationBounds::longestWords)
            return VideoRefusals::tooLong(container.name);
    FileWords words;
    words.maker = QString::fromUtf8(texts.value(0));
    words.curves = QString::fromUtf8(texts.value(1));
    if (!texts.value(2).isEmpty())
        words.machineForm = texts.value(2);
    return words;
}
}

bool VideoFile::isMp4(const QByteArray &head)
{
    return head.mid(4, 4) == "ftyp";
}

bool VideoFile::isWebm(const QByteArray &head)
{
    return WebmWalk::isWebm(head);
}

std::unique_ptr<AnimationWriter> VideoFile::mp4Writer(QIODevice &out, QSize size, const AnimationWords &words, QRgb background,
                                                      const WordKeys &keys)
{
    return std::make_unique<VideoWriter>(out, size, words, background, keys, mp4);
}

std::unique_ptr<AnimationWriter> VideoFile::webmWriter(QIODevice &out, QSize size, const AnimationWords &words, QRgb background,
                                                       const WordKeys &keys)
{
    return std::make_unique<VideoWriter>(out, size, words, background, keys, webm);
}

WordsReading VideoFile::mp4Words(QIODevice &device, const WordKeys &keys)
{
    return wordsOf(device, keys, mp4);
}

WordsReading VideoFile::webmWords(QIODevice &device, const WordKeys &keys)
{
    return wordsOf(device, keys, webm);
}
