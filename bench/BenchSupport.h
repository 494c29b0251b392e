#pragma once
// What the benchmarks share: the drawing screen on a maximised screen of 1280 x 1005 pixels,
// calibrated to square units, having drawn the default curve.

#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "runtime/Single.h"

inline const QSize maximised(1280, 1005);

inline Form4 &drawingScreen()
{
    Form3 &set = Single::instance<Form3>();
    set.VALa = 20.0;
    set.VALb = 15.0;
    set.VALc = 10.0;
    set.VALd = 5.0;
    set.VALe = 3.0;
    set.VALp = 1.0;
    set.AA = 45.0;
    set.AB = 45.0;
    Single::instance<Form2>().Incr = 1005.0 / 1280.0;
    Form4 &form = Single::instance<Form4>();
    form.surface().resize(maximised, 1.0, 96.0);
    form.Form_Activate();
    return form;
}

// As many curves as asked, each with values of its own, in the colours the counter gives.
inline PictureCurves benchCurves(int count)
{
    PictureCurves curves;
    for (int k = 0; k < count; ++k)
        curves.push_back({k % 15 + 1, {20.0 + k * 0.25, 15, 10 - k * 0.05, 5, 3.0 + k % 4, 1, 45, 45}, 1005.0 / 1280.0});
    return curves;
}
