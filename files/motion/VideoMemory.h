#pragma once
// The bytes of a video being muxed, kept in memory: the muxer writes and seeks back in them as in
// a file, and opens them again for reading when it moves the MP4 index to the front, which a save
// (a file that can only be written) would not allow.

#include <QByteArray>

struct AVFormatContext;
struct AVIOContext;

class VideoMemory {
public:
    VideoMemory() = default;
    ~VideoMemory();
    VideoMemory(const VideoMemory &) = delete;
    VideoMemory &operator=(const VideoMemory &) = delete;

    // Gives the muxer this memory for its output; false when out of memory.
    bool attach(AVFormatContext *muxer);
    // The whole file once the muxer has written its end.
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    AVIOContext *m_output = nullptr;
};
