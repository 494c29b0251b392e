#include "files/motion/AnimationBounds.h"
#include "files/motion/FfmpegLog.h"
#include "files/motion/Mp4Walk.h"
#include "files/motion/VideoBounds.h"
#include "files/motion/VideoFile.h"
#include "files/motion/VideoInput.h"
#include "files/motion/VideoRefusals.h"
#include "files/motion/WebmWalk.h"

#include <QIODevice>
#include <cstring>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
struct Container {
    const char *name;
    // libavformat's demuxer, named so that nothing is probed.
    const char *demuxer;
    bool (*recognises)(const QByteArray &head);
    std::variant<qint64, QString> (*walk)(QIODevice &device);
};

struct DemuxerClose {
    void operator()(AVFormatContext *demuxer) const { avformat_close_input(&demuxer); }
};

// The headers are walked by hand first, so that FFmpeg, which would take seconds over a thousand
// tracks, only ever sees a file of sound proportions; it reads no more than the headers, and no
// frame is decoded.
WordsReading wordsOf(QIODevice &device, const WordKeys &keys, const Container &container)
{
    FfmpegLog::silence();
    if (!container.recognises(device.peek(256)))
        return VideoRefusals::notVideo(container.name);
    const std::variant<qint64, QString> walked = container.walk(device);
    if (const QString *why = std::get_if<QString>(&walked))
        return *why;
    if (!device.seek(0))
        return VideoRefusals::damaged(container.name);
    VideoInput input(device, std::get<qint64>(walked));
    AVFormatContext *opened = avformat_alloc_context();
    if (!opened || !input.context()) {
        avformat_free_context(opened);
        return QStringLiteral("memoria insufficiente per leggere il video %1").arg(QLatin1String(container.name));
    }
    opened->pb = input.context();
    opened->flags |= AVFMT_FLAG_CUSTOM_IO;
    opened->max_streams = VideoBounds::mostTracks;
    // On failure the context is freed.
    if (avformat_open_input(&opened, nullptr, av_find_input_format(container.demuxer), nullptr) < 0)
        return VideoRefusals::damaged(container.name);
    const std::unique_ptr<AVFormatContext, DemuxerClose> demuxer(opened);
    if (demuxer->nb_streams < 1)
        return VideoRefusals::damaged(container.name);
    for (unsigned i = 0; i < demuxer->nb_streams; ++i) {
        const AVCodecParameters &stream = *demuxer->streams[i]->codecpar;
        if (stream.width > AnimationBounds::largestSide || stream.height > AnimationBounds::largestSide)
            return VideoRefusals::tooLarge(container.name, stream.width, stream.height);
    }
    FileWords words;
    const auto tag = [&](const char *key) -> std::optional<QByteArray> {
        const AVDictionaryEntry *entry = av_dict_get(demuxer->metadata, key, nullptr, AV_DICT_MATCH_CASE);
        if (!entry)
            return std::nullopt;
        return QByteArray(entry->value, qsizetype(std::strlen(entry->value)));
    };
    const std::optional<QByteArray> maker = tag(keys.maker), description = tag(keys.description), form = tag(keys.form);
    for (const std::optional<QByteArray> &text : {maker, description, form})
        if (text && text->size() > AnimationBounds::longestWords)
            return VideoRefusals::tooLong(container.name);
    words.maker = QString::fromUtf8(maker.value_or(QByteArray()));
    words.curves = QString::fromUtf8(description.value_or(QByteArray()));
    words.machineForm = form;
    return words;
}

const Container mp4{"MP4", "mov", VideoFile::isMp4, Mp4Walk::check};
const Container webm{"WebM", "matroska", VideoFile::isWebm, WebmWalk::check};
}

bool VideoFile::isMp4(const QByteArray &head)
{
    return head.mid(4, 4) == "ftyp";
}

bool VideoFile::isWebm(const QByteArray &head)
{
    return WebmWalk::isWebm(head);
}

WordsReading VideoFile::mp4Words(QIODevice &device, const WordKeys &keys)
{
    return wordsOf(device, keys, mp4);
}

WordsReading VideoFile::webmWords(QIODevice &device, const WordKeys &keys)
{
    return wordsOf(device, keys, webm);
}
