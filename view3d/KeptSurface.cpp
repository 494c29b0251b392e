#include "view3d/KeptSurface.h"

KeptSurface::KeptSurface(const CurveValues &values, std::shared_ptr<const std::vector<CurveModel::Point>> points)
    : m_values(values), m_points(std::move(points))
{
}

const SurfaceMesh &KeptSurface::mesh() const
{
    std::call_once(m_made, [this] { m_mesh = CurveSurface::build(m_values, *m_points); });
    return m_mesh;
}
