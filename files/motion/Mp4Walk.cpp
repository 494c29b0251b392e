#include "files/motion/Mp4Walk.h"
#include "files/motion/AnimationBounds.h"
#include "files/motion/VideoBounds.h"
#include "files/motion/VideoRefusals.h"

#include <QtEndian>
#include <optional>

namespace {
constexpr char name[] = "MP4";

constexpr quint32 fourCc(const char (&code)[5])
{
    return quint32(uchar(code[0])) << 24 | quint32(uchar(code[1])) << 16 | quint32(uchar(code[2])) << 8 | uchar(code[3]);
}

// A box's type and where its content starts and ends.
struct Box {
    quint32 type;
    qint64 content;
    qint64 end;
};

// The box whose header is in header (as many bytes as there are, up to 16) at offset at, if it
// lies within end. A size of 0 runs to end; a size of 1 is given in 64 bits after the type.
std::optional<Box> boxAt(const uchar *header, qint64 available, qint64 at, qint64 end)
{
    if (available < 8)
        return std::nullopt;
    const quint32 shortSize = qFromBigEndian<quint32>(header);
    const quint32 type = qFromBigEndian<quint32>(header + 4);
    qint64 headerBytes = 8;
    quint64 size = shortSize;
    if (shortSize == 0) {
        size = quint64(end - at);
    } else if (shortSize == 1) {
        if (available < 16)
            return std::nullopt;
        headerBytes = 16;
        size = qFromBigEndian<quint64>(header + 8);
    }
    if (size < quint64(headerBytes) || size > quint64(end - at))
        return std::nullopt;
    return Box{type, at + headerBytes, at + qint64(size)};
}

// What Elica writes at the top of a file: the file type, the index, the frames and room left over.
// A demuxer would walk any other box as it walks the index.
bool knownAtTop(quint32 type)
{
    return type == fourCc("ftyp") || type == fourCc("moov") || type == fourCc("mdat") || type == fourCc("free")
        || type == fourCc("skip") || type == fourCc("wide");
}

// The list of the names of tags (keys) gives their count, and a demuxer makes room for that many,
// cleared, before it reads the first: the count must fit in the box. Every place in the index
// where a keys box may begin is held to it, in whatever box a demuxer would find it.
bool keysHoldTheirCount(const QByteArray &index)
{
    const auto *data = reinterpret_cast<const uchar *>(index.constData());
    for (qsizetype at = index.indexOf("keys", 4); at >= 0; at = index.indexOf("keys", at + 1)) {
        const qint64 start = at - 4, size = qFromBigEndian<quint32>(data + start);
        // Version and flags, the count, then each name at least as long as its own size and kind.
        if (size < 16 || start + size > index.size())
            continue;
        if (qFromBigEndian<quint32>(data + at + 8) > quint64(size - 16) / 8)
            return false;
    }
    return true;
}

// What the index holds that a demuxer would believe.
class IndexWalk {
public:
    explicit IndexWalk(const QByteArray &index) : m_data(reinterpret_cast<const uchar *>(index.constData())) {}

    std::optional<QString> walk(qint64 from, qint64 to, int depth)
    {
        if (depth > VideoBounds::deepest)
            return VideoRefusals::damaged(name);
        for (qint64 at = from; at < to;) {
            const std::optional<Box> box = boxAt(m_data + at, to - at, at, to);
            if (!box)
                return VideoRefusals::damaged(name);
            std::optional<QString> refusal;
            switch (box->type) {
            case fourCc("trak"):
                if (++m_tracks > VideoBounds::mostTracks)
                    return VideoRefusals::tooManyTracks(name);
                m_video = false;
                [[fallthrough]];
            case fourCc("mdia"):
            case fourCc("minf"):
            case fourCc("stbl"):
                refusal = walk(box->content, box->end, depth + 1);
                break;
            case fourCc("hdlr"):
                // Version and flags, a word of nothing, then the kind of track.
                m_video = box->end - box->content >= 12 && qFromBigEndian<quint32>(m_data + box->content + 8) == fourCc("vide");
                break;
            case fourCc("tkhd"):
                refusal = trackHeader(*box);
                break;
            case fourCc("stsd"):
                refusal = sampleDescriptions(*box, depth);
                break;
            default:
                break;
            }
            if (refusal)
                return refusal;
            at = box->end;
        }
        return std::nullopt;
    }

private:
    // Width and height in 16.16 fixed point at the end, after times of 32 or 64 bits by version.
    std::optional<QString> trackHeader(const Box &box) const
    {
        const qint64 at = box.content + (box.end > box.content && m_data[box.content] == 1 ? 88 : 76);
        if (at + 8 > box.end)
            return VideoRefusals::damaged(name);
        return picture(qFromBigEndian<quint32>(m_data + at) >> 16, qFromBigEndian<quint32>(m_data + at + 4) >> 16);
    }

    // Version, flags and a count, then the descriptions as boxes; a video's has its width and
    // height 24 bytes into its content.
    std::optional<QString> sampleDescriptions(const Box &box, int depth) const
    {
        if (depth + 1 > VideoBounds::deepest || box.end - box.content < 8)
            return VideoRefusals::damaged(name);
        for (qint64 at = box.content + 8; at < box.end;) {
            const std::optional<Box> entry = boxAt(m_data + at, box.end - at, at, box.end);
            if (!entry)
                return VideoRefusals::damaged(name);
            if (m_video) {
                if (entry->content + 28 > entry->end)
                    return VideoRefusals::damaged(name);
                if (std::optional<QString> refusal = picture(qFromBigEndian<quint16>(m_data + entry->content + 24),
                                                             qFromBigEndian<quint16>(m_data + entry->content + 26)))
                    return refusal;
            }
            at = entry->end;
        }
        return std::nullopt;
    }

    static std::optional<QString> picture(quint32 width, quint32 height)
    {
        if (width > quint32(AnimationBounds::largestSide) || height > quint32(AnimationBounds::largestSide))
            return VideoRefusals::tooLarge(name, width, height);
        return std::nullopt;
    }

    const uchar *m_data;
    int m_tracks = 0;
    // Whether the track being walked is a video's, as its handler says.
    bool m_video = false;
};
}

std::variant<qint64, QString> Mp4Walk::check(QIODevice &device)
{
    const qint64 size = device.size();
    bool seenFrames = false;
    std::optional<QByteArray> index;
    qint64 indexContent = 0;
    int boxes = 0;
    for (qint64 at = 0; at < size;) {
        if (++boxes > VideoBounds::mostTopLevel || !device.seek(at))
            return VideoRefusals::damaged(name);
        const QByteArray header = device.read(16);
        const std::optional<Box> box =
            boxAt(reinterpret_cast<const uchar *>(header.constData()), header.size(), at, size);
        if (!box || (at == 0) != (box->type == fourCc("ftyp")) || !knownAtTop(box->type))
            return VideoRefusals::damaged(name);
        if (box->type == fourCc("mdat"))
            seenFrames = true;
        if (box->type == fourCc("moov")) {
            if (index)
                return VideoRefusals::damaged(name);
            if (box->end - at > VideoBounds::largestHeader)
                return VideoRefusals::tooLong(name);
            // The whole box, so that offsets in it are offsets in the file less at.
            if (!device.seek(at) || (index = device.read(box->end - at))->size() != box->end - at)
                return VideoRefusals::damaged(name);
            indexContent = box->content - at;
        }
        at = box->end;
    }
    if (!index || !seenFrames)
        return VideoRefusals::damaged(name);
    if (!keysHoldTheirCount(*index))
        return VideoRefusals::damaged(name);
    IndexWalk walk(*index);
    if (std::optional<QString> refusal = walk.walk(indexContent, index->size(), 1))
        return *refusal;
    // The index, the boxes' headers and what the demuxer reads ahead of each.
    return index->size() + (qint64(1) << 20);
}
