#pragma once
// The words that name a curve on the picture, with its colour and its eight values as the
// parameter fields show them; the picture's files and its description use these same words.

#include <QString>
#include <QStringList>

namespace CurveCaption {
struct Values {
    double a, b, c, d, ratio, step, alpha, beta;
};

// The Italian name of a palette colour, index 0 to 15 (std::out_of_range for any other).
QString colourName(int index);

// "Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45"
QString caption(int number, int colourIndex, const Values &values);

// What the picture holds, for a listener: how many curves and the caption of each, or that it is empty.
QString pictureDescription(const QStringList &captions);
}
