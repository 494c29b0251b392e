#pragma once
// Animated WebP files of the 3D view in motion, written and read with libwebp: lossless frames
// from its animation encoder, the loop count and each frame's time, and the words in an XMP
// packet (see WebpXmp).

#include "picture/AnimationWords.h"
#include "files/motion/AnimationWriter.h"
#include "picture/FileWords.h"

#include <QByteArray>
#include <QSize>
#include <memory>

class QIODevice;

namespace WebpFile {
// The encoder keeps the frames compressed, and the file is written to out by finish().
std::unique_ptr<AnimationWriter> writer(QIODevice &out, QSize size, const AnimationWords &words, bool loops,
                                        const WordKeys &keys);

// The words of a file, read from its chunks without decoding a frame; or in Italian why the file
// is refused.
WordsReading words(QIODevice &device, const WordKeys &keys);

bool isWebp(const QByteArray &head);
}
