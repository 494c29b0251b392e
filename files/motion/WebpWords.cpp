#include "files/motion/AnimationBounds.h"
#include "files/motion/WebpFile.h"
#include "files/motion/WebpXmp.h"

#include <QIODevice>
#include <webp/demux.h>

namespace {
struct DemuxDelete {
    void operator()(WebPDemuxer *demux) const { WebPDemuxDelete(demux); }
};
}

bool WebpFile::isWebp(const QByteArray &head)
{
    return head.startsWith("RIFF") && head.mid(8, 4) == "WEBP";
}

// The demuxer checks every chunk against the file's length and every frame against the canvas,
// and reads no more of a frame than its header: a file cut short or damaged in its structure is
// refused, and no pixel is decoded.
WordsReading WebpFile::words(QIODevice &device, const WordKeys &keys)
{
    const QByteArray bytes = device.readAll();
    if (!isWebp(bytes))
        return QStringLiteral("il file non è un'immagine WebP");
    const WebPData data{reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
    const std::unique_ptr<WebPDemuxer, DemuxDelete> demux(WebPDemux(&data));
    if (!demux)
        return QStringLiteral("l'immagine WebP è danneggiata o incompleta");
    const std::uint32_t width = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH);
    const std::uint32_t height = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT);
    if (width > std::uint32_t(AnimationBounds::largestSide) || height > std::uint32_t(AnimationBounds::largestSide))
        return QStringLiteral("l'immagine WebP è troppo grande (%1 × %2 pixel; al massimo %3 per lato)")
            .arg(width)
            .arg(height)
            .arg(AnimationBounds::largestSide);
    if (WebPDemuxGetI(demux.get(), WEBP_FF_FRAME_COUNT) > std::uint32_t(AnimationBounds::mostFrames))
        return QStringLiteral("l'immagine WebP ha più di %1 fotogrammi").arg(AnimationBounds::mostFrames);
    WebPChunkIterator chunk;
    if (!WebPDemuxGetChunk(demux.get(), "XMP ", 1, &chunk))
        return FileWords{};
    const QByteArray packet = QByteArray::fromRawData(reinterpret_cast<const char *>(chunk.chunk.bytes), qsizetype(chunk.chunk.size));
    WebPDemuxReleaseChunkIterator(&chunk);
    return WebpXmp::read(packet, keys);
}
