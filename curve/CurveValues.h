#pragma once
// A curve as values: its eight values, and as a picture holds it, with its palette colour and the
// aspect factor it was drawn at; and the angles of the 3D view.

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
    // The elevation stops at straight down and straight up.
    static constexpr double steepest = 90;

    double azimuth;
    double elevation;
    bool operator==(const ViewAngles &) const = default;
};
