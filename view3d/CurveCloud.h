#pragma once
// The points the 3D view shows: the model points of every curve of the picture, each in its
// palette colour, and of the preview; with the box that holds them, the origin and the axes.
// A curve's points are made once and kept while the curve stays in the picture, and so is its
// surface once a frame has drawn it.

#include "curve/CurveModel.h"
#include "curve/PictureDocument.h"
#include "view3d/KeptSurface.h"

#include <QRgb>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class CurveCloud {
public:
    using Points = std::vector<CurveModel::Point>;
    struct Curve {
        QRgb colour;
        std::shared_ptr<const Points> points;
        std::shared_ptr<const KeptSurface> surface;
    };
    struct Box {
        std::array<double, 3> min, max;
    };

    void setCurves(const PictureCurves &curves);
    void setPreview(const std::optional<PictureCurve> &preview);
    // Curves not drawn whose room the frame keeps: the places a moving curve passes through, so
    // that the figure keeps its size while it moves.
    void setExtent(const std::vector<CurveValues> &curves);

    const std::vector<Curve> &curves() const { return m_curves; }
    const std::optional<Curve> &preview() const { return m_preview; }
    std::size_t dotCount() const;

    // How long the axes are drawn: a little beyond the farthest coordinate of any point.
    double axisLength() const;
    // The box around every finite point, the origin and the axes' ends.
    Box bounds() const;

private:
    struct Kept {
        CurveValues values;
        std::shared_ptr<const Points> points;
        std::shared_ptr<const KeptSurface> surface;
        Box box;
    };
    Kept made(const CurveValues &values);

    CurveModel m_model;
    std::vector<Kept> m_kept;
    std::optional<Kept> m_keptPreview;
    std::vector<Box> m_extent;
    std::vector<Curve> m_curves;
    std::optional<Curve> m_preview;
};
