#pragma once
// The tags of a video, read by FFmpeg's demuxer through the device it was opened as, from the
// headers alone: no frame is decoded, and no more than a budget of bytes is read. Part of the
// video module.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <variant>

class QIODevice;

namespace VideoTags {
// The texts of the tags named, in order (empty for a tag missing); or in Italian why the file is
// not a sound video. name is the format's as messages say it ("MP4"), demuxer libavformat's.
std::variant<QList<QByteArray>, QString> read(QIODevice &device, qint64 budget, const char *name, const char *demuxer,
                                              const QList<QByteArray> &keys);
}
