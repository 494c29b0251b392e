#pragma once
// The boxes of an MP4 walked by hand before FFmpeg is given the file: every box at the top within
// the file, one index (moov) of a bounded size, a bounded number of tracks, and no picture larger
// than a video of Elica in the tracks' headers (tkhd) and sample descriptions (stsd). Reads the
// headers of the boxes and the index, never a frame.

#include <QIODevice>
#include <QString>
#include <variant>

namespace Mp4Walk {
// The bytes a demuxer needs to read for the words, or in Italian why the file is refused.
std::variant<qint64, QString> check(QIODevice &device);
}
