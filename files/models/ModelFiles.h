#pragma once
// The picture as a 3D model: binary STL (the solids, for printing), GLB (the solids and the dots in
// their colours, with the picture's words) and binary PLY (the dots in their colours, with the
// words). GLB and PLY read back to the words; an STL has no room for them.

#include "picture/FileWords.h"
#include "files/models/Model.h"

#include <QByteArray>

class QIODevice;

namespace ModelFiles {
// Empty when no curve bounds a volume (Model::hasSolid): there is nothing to write.
QByteArray stl(const Model &model, const WordKeys &keys);
QByteArray glb(const Model &model, const WordKeys &keys);
QByteArray ply(const Model &model, const WordKeys &keys);

// Whether a file's first bytes are those of the format. An STL has none of its own.
bool isGlb(const QByteArray &head);
bool isPly(const QByteArray &head);

// The words, or in Italian why the file cannot be read; an STL is always refused.
WordsReading readStl(QIODevice &device, const WordKeys &keys);
WordsReading readGlb(QIODevice &device, const WordKeys &keys);
WordsReading readPly(QIODevice &device, const WordKeys &keys);
}
