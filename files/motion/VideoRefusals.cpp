#include "files/motion/VideoRefusals.h"
#include "files/motion/AnimationBounds.h"
#include "files/motion/VideoBounds.h"

QString VideoRefusals::notVideo(const char *name)
{
    return QStringLiteral("il file non è un video %1").arg(QLatin1String(name));
}

QString VideoRefusals::damaged(const char *name)
{
    return QStringLiteral("il video %1 è danneggiato o incompleto").arg(QLatin1String(name));
}

QString VideoRefusals::tooLarge(const char *name, qint64 width, qint64 height)
{
    return QStringLiteral("il video %1 è troppo grande (%2 × %3 pixel; al massimo %4 per lato)")
        .arg(QLatin1String(name))
        .arg(width)
        .arg(height)
        .arg(AnimationBounds::largestSide);
}

QString VideoRefusals::tooManyTracks(const char *name)
{
    return QStringLiteral("il video %1 ha più di %2 tracce").arg(QLatin1String(name)).arg(VideoBounds::mostTracks);
}

QString VideoRefusals::tooLong(const char *name)
{
    return QStringLiteral("il video %1 ha intestazioni troppo lunghe per essere un video di Elica").arg(QLatin1String(name));
}
