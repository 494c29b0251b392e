#include "files/motion/VideoTags.h"
#include "files/motion/AnimationBounds.h"
#include "files/motion/FfmpegLog.h"
#include "files/motion/VideoBounds.h"
#include "files/motion/VideoInput.h"
#include "files/motion/VideoRefusals.h"

#include <QIODevice>
#include <cstring>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
struct DemuxerClose {
    void operator()(AVFormatContext *demuxer) const { avformat_close_input(&demuxer); }
};
}

std::variant<QList<QByteArray>, QString> VideoTags::read(QIODevice &device, qint64 budget, const char *name, const char *demuxerName,
                                                         const QList<QByteArray> &keys)
{
    FfmpegLog::silence();
    VideoInput input(device, budget);
    AVFormatContext *opened = avformat_alloc_context();
    if (!opened || !input.context()) {
        avformat_free_context(opened);
        return QStringLiteral("memoria insufficiente per leggere il video %1").arg(QLatin1String(name));
    }
    opened->pb = input.context();
    opened->flags |= AVFMT_FLAG_CUSTOM_IO;
    opened->max_streams = VideoBounds::mostTracks;
    // On failure the context is freed. The demuxer is named, so that nothing is probed.
    if (avformat_open_input(&opened, nullptr, av_find_input_format(demuxerName), nullptr) < 0)
        return VideoRefusals::damaged(name);
    const std::unique_ptr<AVFormatContext, DemuxerClose> demuxer(opened);
    if (demuxer->nb_streams < 1)
        return VideoRefusals::damaged(name);
    for (unsigned i = 0; i < demuxer->nb_streams; ++i) {
        const AVCodecParameters &stream = *demuxer->streams[i]->codecpar;
        if (stream.width > AnimationBounds::largestSide || stream.height > AnimationBounds::largestSide)
            return VideoRefusals::tooLarge(name, stream.width, stream.height);
    }
    QList<QByteArray> texts;
    for (const QByteArray &key : keys) {
        const AVDictionaryEntry *entry = av_dict_get(demuxer->metadata, key.constData(), nullptr, AV_DICT_MATCH_CASE);
        texts << (entry ? QByteArray(entry->value, qsizetype(std::strlen(entry->value))) : QByteArray());
    }
    return texts;
}
