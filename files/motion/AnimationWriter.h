#pragma once
// An animated picture file written as its frames come, one at a time: no frame is kept once the
// next is added (the GIF writer keeps what a viewer shows, and the last frame once one had too
// many colours, the WebP encoder the compressed frames until the end, a video's encoder the few
// frames it looks ahead and the compressed file). GifFile, WebpFile and VideoFile make one for
// their format.

#include <QImage>
#include <QSize>
#include <QString>

class AnimationWriter {
public:
    explicit AnimationWriter(QSize size) : m_size(size) {}
    virtual ~AnimationWriter();
    // A frame of the size given when the writer was made, shown for delayCentiseconds (at least
    // shortestDelay); false once writing has failed.
    bool addFrame(const QImage &frame, int delayCentiseconds);
    // Ends the file; false if it is not whole.
    bool finish();
    // In Italian, why writing failed.
    QString error() const { return m_error; }

    // Browsers show frames of 0 or 1 hundredth at 10 hundredths: no delay is written shorter.
    static constexpr int shortestDelay = 2;
    static int clampedDelay(int centiseconds);

protected:
    // A frame of the writer's size in 32-bit RGB, and the end of a file of at least one frame;
    // false on failure, which fail() says.
    virtual bool encode(const QImage &frame, int delayCentiseconds) = 0;
    virtual bool close() = 0;
    // Keeps the first reason; returns false.
    bool fail(const QString &why);
    QSize size() const { return m_size; }
    bool failed() const { return !m_error.isEmpty(); }
    int frames() const { return m_frames; }

private:
    QSize m_size;
    QString m_error;
    int m_frames = 0;
};
