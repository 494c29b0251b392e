#pragma once
// The words of an animated WebP, as an XMP packet: the title and the description in Dublin Core,
// the program as XMP's creator tool, and the machine form in an element of Elica's own namespace,
// each under the name the table of formats gives it.

#include "picture/AnimationWords.h"
#include "picture/FileWords.h"

#include <QByteArray>

namespace WebpXmp {
QByteArray packet(const AnimationWords &words, const WordKeys &keys);
// The words a packet holds, or in Italian why it cannot be read.
WordsReading read(const QByteArray &packet, const WordKeys &keys);
}
