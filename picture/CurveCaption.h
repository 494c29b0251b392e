#pragma once
// The words that name a curve on the picture, with its colour and its eight values as the
// parameter fields show them; the picture's files, its description and the 3D view's legend use
// these same words.

#include "curve/PictureDocument.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace CurveCaption {
// The Italian name of a palette colour, index 0 to 15 (std::out_of_range for any other).
QString colourName(int index);
// The palette index a name gives, if it is one of the sixteen.
std::optional<int> colourIndex(const QString &name);

// The eight values as the captions give them: "a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45"
QString values(const CurveValues &values);
// "Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45"
QString caption(int number, const PictureCurve &curve);
// One caption per curve, numbered from 1.
QStringList captions(const PictureCurves &curves);

// What the picture holds, for a listener: how many curves and the caption of each, or that it is empty.
QString pictureDescription(const PictureCurves &curves);

// An angle in degrees to a tenth, without a needless ",0": "45", "35,3".
QString degrees(double angle);
// "Vista 3D: azimut 45°, elevazione 35,3°"
QString viewWords(const ViewAngles &view);
}
