#pragma once
// Still pictures: a PNG holds the picture's pixels, an SVG and a PDF its marks as vectors; each
// carries the picture's title, the program, the curves in words and in their exact machine form,
// under the names its format keeps them by. Each is read back to its words, and a file that is
// not a sound file of its format is refused with the reason, in Italian.

#include "picture/FileWords.h"

#include <QByteArray>

class QIODevice;
struct Picture;

namespace StillFiles {
QByteArray png(const Picture &picture, const WordKeys &keys);
QByteArray svg(const Picture &picture, const WordKeys &keys);
QByteArray pdf(const Picture &picture, const WordKeys &keys);

WordsReading pngWords(QIODevice &device, const WordKeys &keys);
WordsReading svgWords(QIODevice &device, const WordKeys &keys);
WordsReading pdfWords(QIODevice &device, const WordKeys &keys);

// Whether a file's first bytes are those of the format.
bool isPng(const QByteArray &head);
bool isSvg(const QByteArray &head);
bool isPdf(const QByteArray &head);
}
