#pragma once
// The curves of a picture written by version 1.1.0, which carries them in words alone, one
// caption a line: "Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45".
// Numbers come as the writer's locale gave them: with a decimal comma, or a point in the C locale.

#include "curve/PictureDocument.h"

#include <QString>
#include <variant>

namespace LegacyWords {
// The document (without aspect factors, which those files do not give), or in Italian why the
// words are not such captions.
std::variant<PictureDocument, QString> read(const QString &captions);
}
