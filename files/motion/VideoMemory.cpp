#include "files/motion/VideoMemory.h"

#include <algorithm>
#include <cstring>
#include <new>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
constexpr int bufferBytes = 1 << 16;

// Where one context stands in the shared bytes.
struct Cursor {
    QByteArray *bytes;
    qint64 at = 0;
};

int readBytes(void *opaque, std::uint8_t *buffer, int size)
{
    Cursor &cursor = *static_cast<Cursor *>(opaque);
    const qint64 count = std::min<qint64>(size, cursor.bytes->size() - cursor.at);
    if (count <= 0)
        return AVERROR_EOF;
    std::memcpy(buffer, cursor.bytes->constData() + cursor.at, std::size_t(count));
    cursor.at += count;
    return int(count);
}

int writeBytes(void *opaque, std::uint8_t *buffer, int size)
{
    Cursor &cursor = *static_cast<Cursor *>(opaque);
    QByteArray &bytes = *cursor.bytes;
    const qint64 end = cursor.at + size;
    if (end > bytes.size()) {
        // Grown by half at a time, not by each packet.
        if (end > bytes.capacity())
            bytes.reserve(std::max(end, bytes.capacity() + bytes.capacity() / 2));
        bytes.resize(end);
    }
    std::memcpy(bytes.data() + cursor.at, buffer, std::size_t(size));
    cursor.at = end;
    return size;
}

std::int64_t seekBytes(void *opaque, std::int64_t offset, int whence)
{
    Cursor &cursor = *static_cast<Cursor *>(opaque);
    const qint64 size = cursor.bytes->size();
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += cursor.at;
        break;
    case SEEK_END:
        offset += size;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (offset < 0)
        return AVERROR(EINVAL);
    cursor.at = offset;
    return offset;
}

AVIOContext *contextOver(QByteArray &bytes, bool writing)
{
    auto *buffer = static_cast<unsigned char *>(av_malloc(bufferBytes));
    auto *cursor = new (std::nothrow) Cursor{&bytes};
    AVIOContext *context = buffer && cursor ? avio_alloc_context(buffer, bufferBytes, writing, cursor, writing ? nullptr : readBytes,
                                                                 writing ? writeBytes : nullptr, seekBytes)
                                            : nullptr;
    if (!context) {
        av_free(buffer);
        delete cursor;
    }
    return context;
}

void release(AVIOContext *context)
{
    if (!context)
        return;
    delete static_cast<Cursor *>(context->opaque);
    av_freep(&context->buffer);
    avio_context_free(&context);
}

// The muxer asks for its output once more, by its name, to read it.
int reopen(AVFormatContext *muxer, AVIOContext **context, const char *, int flags, AVDictionary **)
{
    if ((flags & AVIO_FLAG_READ_WRITE) != AVIO_FLAG_READ)
        return AVERROR(EINVAL);
    *context = contextOver(*static_cast<QByteArray *>(muxer->opaque), false);
    return *context ? 0 : AVERROR(ENOMEM);
}

int closeReopened(AVFormatContext *, AVIOContext *context)
{
    release(context);
    return 0;
}
}

VideoMemory::~VideoMemory()
{
    release(m_output);
}

bool VideoMemory::attach(AVFormatContext *muxer)
{
    m_output = contextOver(m_bytes, true);
    if (!m_output)
        return false;
    muxer->pb = m_output;
    muxer->flags |= AVFMT_FLAG_CUSTOM_IO;
    muxer->opaque = &m_bytes;
    muxer->io_open = reopen;
    muxer->io_close2 = closeReopened;
    return true;
}
