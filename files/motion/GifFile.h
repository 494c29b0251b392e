#pragma once
// Animated GIF files of the 3D view in motion, written and read with giflib: GIF89a, a loop
// extension for a motion that loops, a delay for each frame, the words in comments (see
// GifComments). A frame of 256 colours or fewer keeps them exactly; one of more, as the lit
// surfaces draw, is reduced to a table of its own with dithering (see GifQuantizer).

#include "picture/AnimationWords.h"
#include "files/motion/AnimationWriter.h"
#include "picture/FileWords.h"

#include <QByteArray>
#include <QSize>
#include <memory>

class QIODevice;

namespace GifFile {
// Writes to out, which must stay open until finish(); loops: play for ever, else once.
std::unique_ptr<AnimationWriter> writer(QIODevice &out, QSize size, const AnimationWords &words, bool loops);

// The words of a file, read by walking its blocks without decoding a frame; or in Italian why
// the file is refused.
WordsReading words(QIODevice &device);

bool isGif(const QByteArray &head);
}
