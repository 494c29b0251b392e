#include "files/motion/WebmWalk.h"
#include "files/motion/AnimationBounds.h"
#include "files/motion/VideoBounds.h"
#include "files/motion/VideoRefusals.h"

#include <bit>
#include <optional>

namespace {
constexpr char name[] = "WebM";

namespace Id {
constexpr quint32 ebml = 0x1A45DFA3, docType = 0x4282, segment = 0x18538067, tracks = 0x1654AE6B, trackEntry = 0xAE,
                  video = 0xE0, pixelWidth = 0xB0, pixelHeight = 0xBA, cluster = 0x1F43B675;
}
// The EBML header holds a few short numbers and names.
constexpr qint64 largestEbmlHeader = 4096;

struct Element {
    quint32 id;
    qint64 content;
    qint64 end;
};

// An element whose header starts at data (available bytes of it) at offset at, if it lies within
// end. Its ID keeps the bits that tell its length (1 to 4 bytes); its size (1 to 8 bytes) does
// not, and a size of all ones, which leaves the end open, is none that Elica writes.
std::optional<Element> elementAt(const uchar *data, qint64 available, qint64 at, qint64 end)
{
    int used = 0;
    const auto number = [&](int longest, bool keepMarker) -> std::optional<quint64> {
        if (used >= available || data[used] == 0)
            return std::nullopt;
        const int length = std::countl_zero(data[used]) + 1;
        if (length > longest || used + length > available)
            return std::nullopt;
        const quint64 marker = 0x80u >> (length - 1);
        quint64 value = keepMarker ? data[used] : data[used] & (marker - 1);
        bool allOnes = (data[used] & (marker - 1)) == marker - 1;
        for (int i = 1; i < length; ++i) {
            value = value << 8 | data[used + i];
            allOnes = allOnes && data[used + i] == 0xFF;
        }
        used += length;
        if (!keepMarker && allOnes)
            return std::nullopt;
        return value;
    };
    const std::optional<quint64> id = number(4, true);
    const std::optional<quint64> size = id ? number(8, false) : std::nullopt;
    if (!size || *size > quint64(end - at - used))
        return std::nullopt;
    return Element{quint32(*id), at + used, at + used + qint64(*size)};
}

std::optional<Element> elementIn(const QByteArray &bytes, qint64 at, qint64 end)
{
    return elementAt(reinterpret_cast<const uchar *>(bytes.constData()) + at, end - at, at, end);
}

std::optional<quint64> unsignedIn(const QByteArray &bytes, const Element &element)
{
    if (element.end - element.content > 8)
        return std::nullopt;
    quint64 value = 0;
    for (qint64 at = element.content; at < element.end; ++at)
        value = value << 8 | uchar(bytes[at]);
    return value;
}

// The tracks, each a track entry, and the picture each video track says it has.
std::optional<QString> walkTracks(const QByteArray &tracks)
{
    int entries = 0;
    for (qint64 at = 0; at < tracks.size();) {
        const std::optional<Element> entry = elementIn(tracks, at, tracks.size());
        if (!entry)
            return VideoRefusals::damaged(name);
        at = entry->end;
        if (entry->id != Id::trackEntry)
            continue;
        if (++entries > VideoBounds::mostTracks)
            return VideoRefusals::tooManyTracks(name);
        for (qint64 in = entry->content; in < entry->end;) {
            const std::optional<Element> part = elementIn(tracks, in, entry->end);
            if (!part)
                return VideoRefusals::damaged(name);
            in = part->end;
            if (part->id != Id::video)
                continue;
            quint64 width = 0, height = 0;
            for (qint64 side = part->content; side < part->end;) {
                const std::optional<Element> number = elementIn(tracks, side, part->end);
                if (!number)
                    return VideoRefusals::damaged(name);
                side = number->end;
                if (number->id != Id::pixelWidth && number->id != Id::pixelHeight)
                    continue;
                const std::optional<quint64> value = unsignedIn(tracks, *number);
                if (!value)
                    return VideoRefusals::damaged(name);
                (number->id == Id::pixelWidth ? width : height) = *value;
            }
            if (width > quint64(AnimationBounds::largestSide) || height > quint64(AnimationBounds::largestSide))
                return VideoRefusals::tooLarge(name, qint64(std::min<quint64>(width, INT64_MAX)), qint64(std::min<quint64>(height, INT64_MAX)));
        }
    }
    return std::nullopt;
}
}

bool WebmWalk::isWebm(const QByteArray &head)
{
    // The header may run on past the bytes given; its document type comes early in it.
    const std::optional<Element> ebml = elementAt(reinterpret_cast<const uchar *>(head.constData()), head.size(), 0, INT64_MAX);
    if (!ebml || ebml->id != Id::ebml)
        return false;
    const qint64 end = std::min<qint64>(ebml->end, head.size());
    for (qint64 at = ebml->content; at < end;) {
        const std::optional<Element> child = elementIn(head, at, end);
        if (!child)
            return false;
        if (child->id == Id::docType) {
            QByteArray type = head.mid(child->content, child->end - child->content);
            // A string may be padded with zeros.
            while (type.endsWith('\0'))
                type.chop(1);
            return type == "webm";
        }
        at = child->end;
    }
    return false;
}

std::variant<qint64, QString> WebmWalk::check(QIODevice &device)
{
    const qint64 size = device.size();
    const auto headerAt = [&](qint64 at, qint64 end) -> std::optional<Element> {
        if (!device.seek(at))
            return std::nullopt;
        const QByteArray header = device.read(12);
        return elementAt(reinterpret_cast<const uchar *>(header.constData()), header.size(), at, end);
    };
    const std::optional<Element> ebml = headerAt(0, size);
    if (!ebml || ebml->id != Id::ebml || ebml->end > largestEbmlHeader)
        return VideoRefusals::damaged(name);
    const std::optional<Element> segment = headerAt(ebml->end, size);
    if (!segment || segment->id != Id::segment)
        return VideoRefusals::damaged(name);
    std::optional<QByteArray> tracks;
    qint64 headers = 0;
    int elements = 0;
    for (qint64 at = segment->content; at < segment->end;) {
        const std::optional<Element> element = headerAt(at, segment->end);
        if (!element || ++elements > VideoBounds::mostTopLevel)
            return VideoRefusals::damaged(name);
        at = element->end;
        if (element->id == Id::cluster)
            continue;
        const qint64 length = element->end - element->content;
        if (length > VideoBounds::largestHeader)
            return VideoRefusals::tooLong(name);
        headers += element->end - element->content;
        if (element->id != Id::tracks)
            continue;
        if (tracks || !device.seek(element->content) || (tracks = device.read(length))->size() != length)
            return VideoRefusals::damaged(name);
    }
    if (!tracks)
        return VideoRefusals::damaged(name);
    if (std::optional<QString> refusal = walkTracks(*tracks))
        return *refusal;
    // The headers, the elements' own and what the demuxer reads ahead of each.
    return headers + (qint64(1) << 20);
}
