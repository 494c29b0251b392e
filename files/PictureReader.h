#pragma once
// Opening a file of Elica: which of the table's formats it is, by its content as well as its
// name, and the document its words give. Nothing in a file is ever run or fetched; any file that is not
// a sound picture of Elica gets one reason, in Italian, and nothing else happens.

#include "curve/PictureDocument.h"

#include <QString>
#include <QtGlobal>
#include <variant>

class QIODevice;

namespace PictureReader {
// The largest file read at all, refused before it is read: the largest files that 100 curves
// make, SVGs of far dots on a scaled screen, come to about 60 MB.
constexpr qint64 maxBytes = qint64(1) << 30;

using Reading = std::variant<PictureDocument, QString>;

Reading read(const QString &path);
// The content of a file named name (whose extension must agree with the content).
Reading read(QIODevice &device, const QString &name);

// "Impossibile aprire l'immagine «PATH»: REASON", as every refusal of a file says it.
QString refusal(const QString &path, const QString &reason);
}
