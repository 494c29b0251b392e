#include "files/motion/VideoInput.h"

#include <QIODevice>
#include <algorithm>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace {
// Small, since a demuxer that walks boxes fills it afresh at each one.
constexpr int bufferBytes = 4096;
}

VideoInput::VideoInput(QIODevice &device, qint64 budget) : m_device(device), m_budget(budget)
{
    auto *buffer = static_cast<unsigned char *>(av_malloc(bufferBytes));
    if (buffer)
        m_context = avio_alloc_context(buffer, bufferBytes, 0, this, read, nullptr, seek);
    if (!m_context)
        av_free(buffer);
}

VideoInput::~VideoInput()
{
    if (!m_context)
        return;
    av_freep(&m_context->buffer);
    avio_context_free(&m_context);
}

int VideoInput::read(void *opaque, std::uint8_t *buffer, int size)
{
    VideoInput &input = *static_cast<VideoInput *>(opaque);
    if (input.m_budget <= 0)
        return AVERROR_INVALIDDATA;
    const qint64 got = input.m_device.read(reinterpret_cast<char *>(buffer), std::min<qint64>(size, input.m_budget));
    if (got < 0)
        return AVERROR(EIO);
    if (got == 0)
        return AVERROR_EOF;
    input.m_budget -= got;
    return int(got);
}

std::int64_t VideoInput::seek(void *opaque, std::int64_t offset, int whence)
{
    QIODevice &device = static_cast<VideoInput *>(opaque)->m_device;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return device.size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += device.pos();
        break;
    case SEEK_END:
        offset += device.size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    // Beyond the end is not a place in the file, and a device warns of it.
    if (offset < 0 || offset > device.size() || !device.seek(offset))
        return AVERROR(EINVAL);
    return offset;
}
