#pragma once
// The words a 3D model file carries, as named texts: the title, the maker, the description and the
// machine form, under the names the table of formats gives them (in a GLB's asset extras, in a
// PLY's comments).

#include "curve/PictureDocument.h"
#include "picture/FileWords.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace ModelWords {
// Name and text, in the order the files write them.
QList<std::pair<QString, QString>> entries(const PictureDocument &document, const WordKeys &keys);

// The words opening uses, from the texts a file names; nothing when it names none of them.
std::optional<FileWords> read(const QHash<QString, QString> &texts, const WordKeys &keys);
}
