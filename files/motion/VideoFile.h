#pragma once
// Videos of the 3D view in motion, written and read with FFmpeg's libraries: MP4 with H.264 and
// WebM with VP9, 4:2:0 at 25 frames a second, no sound, the words in the container's own tags.
// A video has no loop of its own: the player repeats it or not.

#include "picture/AnimationWords.h"
#include "files/motion/AnimationWriter.h"
#include "picture/FileWords.h"

#include <QByteArray>
#include <QRgb>
#include <QSize>
#include <memory>

class QIODevice;

namespace VideoFile {
// The file is put together in memory and written to out by finish(). A width or height that is
// odd gains a column or a row of the background.
std::unique_ptr<AnimationWriter> mp4Writer(QIODevice &out, QSize size, const AnimationWords &words, QRgb background,
                                           const WordKeys &keys);
std::unique_ptr<AnimationWriter> webmWriter(QIODevice &out, QSize size, const AnimationWords &words, QRgb background,
                                            const WordKeys &keys);

// The words of a file, read from its headers without decoding a frame; or in Italian why the
// file is refused.
WordsReading mp4Words(QIODevice &device, const WordKeys &keys);
WordsReading webmWords(QIODevice &device, const WordKeys &keys);

bool isMp4(const QByteArray &head);
bool isWebm(const QByteArray &head);
}
