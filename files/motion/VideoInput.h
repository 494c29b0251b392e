#pragma once
// A video opened by FFmpeg's demuxers through the device it was opened as, not by a name of its
// own, with a budget of bytes: past it every read fails, so that no header, however damaged,
// makes a demuxer read the whole file.

#include <QtGlobal>
#include <cstdint>

class QIODevice;
struct AVIOContext;

class VideoInput {
public:
    VideoInput(QIODevice &device, qint64 budget);
    ~VideoInput();
    VideoInput(const VideoInput &) = delete;
    VideoInput &operator=(const VideoInput &) = delete;

    // Null when out of memory.
    AVIOContext *context() const { return m_context; }

private:
    static int read(void *opaque, std::uint8_t *buffer, int size);
    static std::int64_t seek(void *opaque, std::int64_t offset, int whence);

    QIODevice &m_device;
    qint64 m_budget;
    AVIOContext *m_context = nullptr;
};
