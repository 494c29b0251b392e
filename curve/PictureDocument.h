#pragma once
// A picture as values: the curves it holds, the angles of the 3D view it was seen from, if any,
// with the view's look, and the view's motion, for an animated picture. Captions, the files' words and machine form,
// the description and the 3D view are made from it.

#include "curve/CurveValues.h"
#include "curve/Motion.h"
#include "curve/ViewLook.h"

#include <optional>

struct PictureDocument {
    PictureCurves curves;
    std::optional<ViewAngles> view;
    std::optional<Motion> motion = std::nullopt;
    // How the view drew the curves; dots for a picture not seen there.
    ViewLook look = ViewLook::dots;
    bool section = false;
    bool operator==(const PictureDocument &) const = default;
};
