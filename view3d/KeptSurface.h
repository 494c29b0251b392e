#pragma once
// A curve's surface (CurveSurface), made the first time a frame asks for it and then kept with the
// curve's points: a view that shows dots alone never makes it.

#include "curve/CurveSurface.h"

#include <memory>
#include <mutex>

class KeptSurface {
public:
    KeptSurface(const CurveValues &values, std::shared_ptr<const std::vector<CurveModel::Point>> points);

    // Empty for a curve drawn as dots alone. From any thread.
    const SurfaceMesh &mesh() const;

private:
    CurveValues m_values;
    std::shared_ptr<const std::vector<CurveModel::Point>> m_points;
    mutable std::once_flag m_made;
    mutable SurfaceMesh m_mesh;
};
