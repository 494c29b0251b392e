#pragma once
// Why a video is not opened, in Italian, as every reader of animations says it; name is the
// format's ("MP4").

#include <QString>

namespace VideoRefusals {
QString notVideo(const char *name);
QString damaged(const char *name);
QString tooLarge(const char *name, qint64 width, qint64 height);
QString tooManyTracks(const char *name);
QString tooLong(const char *name);
}
