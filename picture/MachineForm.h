#pragma once
// The exact, versioned form of a picture that every file carries beside its words:
//
//   elica-picture 2
//   curve 1 20 15 10 5 3 1 45 45 0.75
//   view 45 35.26438968275465
//   look superficie sezione
//   turn 360 2.88
//   sweep passo 0.5 2 4 avanti-e-indietro
//
// one line per curve (colour index, the eight values, the aspect factor), for a picture of the 3D
// view its angles and its look when it is not the dots alone, and, for an animated one, its
// motion: the turn's degrees and seconds, the swept value's name, its two bounds, the seconds of
// a pass and how it repeats. Numbers are written in the C locale, as short as reads back to the
// same bits. A form with a look is of version 2: the versions before, which know no look, refuse
// it as of a later version rather than show it as something else; every other form is of version 1.

#include "curve/PictureDocument.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace MachineForm {
constexpr int version = 2;
// The word that opens the form, and names it where a file keeps texts under a name (PNG).
constexpr char keywordText[] = "elica-picture";
inline QByteArray keyword() { return QByteArray(keywordText); }

QByteArray write(const PictureDocument &document);

// The document, or in Italian why the text is none that Elica can open.
std::variant<PictureDocument, QString> read(const QByteArray &text);
}
