#pragma once
// A picture as values: the curves it holds, each with its palette colour, its eight values and
// the aspect factor it was drawn at, the angles of the 3D view it was seen from, if any, and the
// view's motion, for an animated picture. Captions, the files' words and machine form, the
// description and the 3D view are made from it.

#include "curve/Motion.h"

#include <optional>
#include <vector>

struct CurveValues {
    double a, b, c, d, ratio, step, alpha, beta;
    bool operator==(const CurveValues &) const = default;
};

struct PictureCurve {
    int colour; // palette index, 0 to 15
    CurveValues values;
    // The aspect factor it was drawn at; files of version 1.1.0 do not say it.
    std::optional<double> incr;
    bool operator==(const PictureCurve &) const = default;
};

using PictureCurves = std::vector<PictureCurve>;

// Degrees: the azimuth about the vertical Z axis, the elevation above the X-Y plane.
struct ViewAngles {
    double azimuth;
    double elevation;
    bool operator==(const ViewAngles &) const = default;
};

struct PictureDocument {
    PictureCurves curves;
    std::optional<ViewAngles> view;
    std::optional<Motion> motion = std::nullopt;
    bool operator==(const PictureDocument &) const = default;
};
