#pragma once
// An animated picture file written as its frames come, one at a time: no frame is kept once it is
// added (the GIF writer keeps what a viewer shows, the WebP encoder the compressed frames until the
// end). GifFile and WebpFile make one for their format.

#include <QImage>
#include <QString>

class AnimationWriter {
public:
    virtual ~AnimationWriter();
    // A frame of the size given when the writer was made, shown for delayCentiseconds (at least
    // shortestDelay); false once writing has failed.
    virtual bool addFrame(const QImage &frame, int delayCentiseconds) = 0;
    // Ends the file; false if it is not whole.
    virtual bool finish() = 0;
    // In Italian, why writing failed.
    virtual QString error() const = 0;

    // Browsers show frames of 0 or 1 hundredth at 10 hundredths: no delay is written shorter.
    static constexpr int shortestDelay = 2;
    static int clampedDelay(int centiseconds);
};
