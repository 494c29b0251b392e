#pragma once
// The value a screen reader gives for a slider: a number of the screen (such as
// the factor a bar sets) instead of the bar's own position.

#include <QString>

class QAbstractSlider;

namespace SpokenValue {
// The slider's positions stand for offset + step × position.
void attach(QAbstractSlider *slider, double offset, double step);
// The number the slider stands for now, announced as its value.
void set(QAbstractSlider *slider, double value);
}
