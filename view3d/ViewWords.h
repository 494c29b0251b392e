#pragma once
// The 3D view's own words: its status line and what its legend says of the preview.

#include "curve/PictureNews.h"
#include "view3d/Turntable.h"

#include <QString>

namespace ViewWords {
// "Azimut 45°, elevazione 35,3°, ingrandimento 100%"
QString status(const Turntable &turntable, double zoom);
// "anteprima: curva 2, verde scuro", or "anteprima: valori non validi"; number is the curve's
// number in the picture once drawn.
QString preview(const Preview &preview, int number);
// "Anteprima, verde scuro: a 20; b 15; ...", or "Anteprima: valori non validi".
QString previewCaption(const Preview &preview);
}
