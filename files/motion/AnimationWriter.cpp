#include "files/motion/AnimationWriter.h"

#include <algorithm>

AnimationWriter::~AnimationWriter() = default;

bool AnimationWriter::addFrame(const QImage &frame, int delayCentiseconds)
{
    if (failed())
        return false;
    if (frame.size() != m_size)
        return fail(QStringLiteral("un fotogramma misura %1 × %2 invece di %3 × %4")
                        .arg(frame.width()).arg(frame.height()).arg(m_size.width()).arg(m_size.height()));
    if (!encode(frame.convertToFormat(QImage::Format_RGB32), clampedDelay(delayCentiseconds)))
        return false;
    ++m_frames;
    return true;
}

bool AnimationWriter::finish()
{
    if (failed())
        return false;
    if (m_frames == 0)
        return fail(QStringLiteral("l'animazione non ha fotogrammi"));
    return close();
}

bool AnimationWriter::fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = why;
    return false;
}

int AnimationWriter::clampedDelay(int centiseconds)
{
    return std::max(shortestDelay, centiseconds);
}
