#pragma once
// Animated GIF files of the 3D view in motion, written and read with giflib: GIF89a, a loop
// extension for a motion that loops, a delay for each frame, the words in comments (see
// GifComments). Each frame's colours are exact; only a frame of more than 256 colours takes the
// nearest of its most frequent 256.

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
