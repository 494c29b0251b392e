#pragma once
// The elements of a WebM walked by hand before FFmpeg is given the file: the EBML header that
// names the document WebM, a segment and every element in it within the file, none of a size
// left open, a bounded number of tracks with no picture larger than a video of Elica. Reads the
// headers of the elements and the tracks, never a cluster of frames.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <variant>

namespace WebmWalk {
// Whether a file's first bytes are an EBML header whose document type is "webm".
bool isWebm(const QByteArray &head);
// The bytes a demuxer needs to read for the words, or in Italian why the file is refused.
std::variant<qint64, QString> check(QIODevice &device);
}
