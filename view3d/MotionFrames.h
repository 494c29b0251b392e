#pragma once
// The frames of the 3D view in motion, each drawn by the view's own frame code: the curves that
// stand still, the moving curve with its value at the frame's moment, the azimuth turned by the
// frame's share of a full turn. One fit serves the whole motion, so that the figure keeps its size
// while its value moves.

#include "curve/PictureDocument.h"
#include "view3d/CurveCloud.h"
#include "view3d/ViewFrame.h"

#include <QImage>
#include <optional>

struct MotionScene {
    PictureCurves still;
    // The curve whose value the sweep moves, at its values before the sweep; drawn over the others.
    std::optional<PictureCurve> moving;
    Motion motion;
    // Where the motion starts.
    ViewAngles start;
    double zoom = 1;
    QSize devicePixels;
    qreal devicePixelRatio = 1;
    FrameStyle style;

    // The picture the file's words tell of: the curves standing still, then the moving one at the
    // sweep's first bound, seen from the start, with the motion.
    PictureDocument document() const;
};

class MotionFrames {
public:
    explicit MotionFrames(MotionScene scene);

    int count() const { return m_scene.motion.frames(); }
    // In device pixels, with their ratio.
    QImage frame(int index);

private:
    MotionScene m_scene;
    CurveCloud m_cloud;
};
