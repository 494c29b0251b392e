#pragma once
// The 3D view's own words: its status line and its legend.

#include "curve/PictureNews.h"
#include "view3d/Turntable.h"
#include "view3d/ViewFrame.h"

#include <QString>

namespace ViewWords {
// "Azimut 45°, elevazione 35,3°, ingrandimento 100%"
QString status(const Turntable &turntable, double zoom);
// "anteprima: curva 2, verde scuro", or "anteprima: valori non validi"; number is the curve's
// number in the picture once drawn.
QString preview(const Preview &preview, int number);
// "Anteprima, verde scuro: a 20; b 15; ...", or "Anteprima: valori non validi".
QString previewCaption(const Preview &preview);
// A line for each curve with its caption in its colour, then one for the preview if there is one.
std::vector<LegendLine> legend(const PictureCurves &curves, const std::optional<Preview> &preview);
}
