#pragma once
// Writing and reading a video needs FFmpeg's libraries, and the ninety-odd libraries they load in
// turn: they would cost every start of the program some 25 ms and 25 MiB, and most starts never
// make or open a video. So the encoding and the reading of a video's tags live in a module of
// their own, elica-video.so, loaded the first time a video is saved or opened; the walk of a
// video's headers, which checks a file before FFmpeg reads any of it, stays in the program. This
// is what the program and the module agree on.

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>
#include <utility>

class QImage;
class QIODevice;

namespace VideoModule {
enum Container { mp4 = 0, webm = 1 };
// The container's tags, name and text.
using Tags = QList<std::pair<const char *, QByteArray>>;

struct Entry {
    // An encoder of frames of this size, writing the video to out once finished; null, and why,
    // when it cannot start. shaded: the frames are of the lit surfaces.
    void *(*open)(int container, QIODevice *out, QSize size, const Tags *tags, QRgb background, bool shaded, QString *why);
    // A frame in 32-bit RGB of the size given, shown for delayCentiseconds; false, and why, once
    // encoding has failed.
    bool (*frame)(void *encoder, const QImage *frame, int delayCentiseconds, QString *why);
    // The video ended and written; false, and why, if it is not whole.
    bool (*finish)(void *encoder, QString *why);
    void (*close)(void *encoder);
    // The texts of the tags named, in order (empty for one the file has not), of a file whose
    // headers have been walked, reading no more than readable bytes; false, and why, when the
    // file is not a sound video.
    bool (*tags)(int container, QIODevice *in, qint64 readable, const QStringList *names, QList<QByteArray> *values, QString *why);
};

using EntryFunction = const Entry *(*)();
constexpr char entryName[] = "elica_video_entry";
constexpr char fileName[] = "elica-video.so";
}
