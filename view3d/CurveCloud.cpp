#include "view3d/CurveCloud.h"
#include "runtime/Angles.h"
#include "runtime/Palette.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double emptyAxisLength = 10;
constexpr double axisReach = 1.1;

CurveCloud::Box emptyBox()
{
    constexpr double far = std::numeric_limits<double>::max();
    return {{far, far, far}, {-far, -far, -far}};
}

void include(CurveCloud::Box &box, const std::array<double, 3> &point)
{
    for (int i = 0; i < 3; ++i) {
        box.min[i] = std::min(box.min[i], point[i]);
        box.max[i] = std::max(box.max[i], point[i]);
    }
}
}

CurveCloud::Kept CurveCloud::made(const CurveValues &values)
{
    auto points = std::make_shared<Points>(m_model.points(values, Angles::P1()));
    Box box = emptyBox();
    for (const CurveModel::Point &p : *points)
        if (std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z))
            include(box, {p.X, p.Y, p.Z});
    auto surface = std::make_shared<const KeptSurface>(values, points);
    return {values, std::move(points), std::move(surface), box};
}

void CurveCloud::setCurves(const PictureCurves &curves)
{
    std::vector<Kept> kept;
    kept.reserve(curves.size());
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const CurveValues &values = curves[i].values;
        // Curves are added at the end and cleared all at once: the first ones are nearly always
        // those already made.
        if (i < m_kept.size() && m_kept[i].values == values)
            kept.push_back(m_kept[i]);
        else if (m_keptPreview && m_keptPreview->values == values)
            kept.push_back(*m_keptPreview);
        else
            kept.push_back(made(values));
    }
    m_kept = std::move(kept);
    m_curves.clear();
    for (std::size_t i = 0; i < curves.size(); ++i)
        m_curves.push_back({QBColor(curves[i].colour).rgb(), m_kept[i].points, m_kept[i].surface});
}

void CurveCloud::setPreview(const std::optional<PictureCurve> &preview)
{
    if (!preview) {
        m_keptPreview.reset();
        m_preview.reset();
        return;
    }
    if (!m_keptPreview || !(m_keptPreview->values == preview->values))
        m_keptPreview = made(preview->values);
    m_preview = Curve{QBColor(preview->colour).rgb(), m_keptPreview->points, m_keptPreview->surface};
}

void CurveCloud::setExtent(const std::vector<CurveValues> &curves)
{
    m_extent.clear();
    for (const CurveValues &values : curves)
        m_extent.push_back(made(values).box);
}

std::size_t CurveCloud::dotCount() const
{
    std::size_t count = m_preview ? m_preview->points->size() : 0;
    for (const Curve &curve : m_curves)
        count += curve.points->size();
    return count;
}

double CurveCloud::axisLength() const
{
    double farthest = 0;
    const auto reach = [&farthest](const Box &box) {
        for (int i = 0; i < 3; ++i)
            if (box.min[i] <= box.max[i])
                farthest = std::max({farthest, std::abs(box.min[i]), std::abs(box.max[i])});
    };
    for (const Kept &k : m_kept)
        reach(k.box);
    if (m_preview)
        reach(m_keptPreview->box);
    for (const Box &box : m_extent)
        reach(box);
    return farthest > 0 ? std::min(farthest * axisReach, std::numeric_limits<double>::max()) : emptyAxisLength;
}

CurveCloud::Box CurveCloud::bounds() const
{
    Box box = emptyBox();
    const double length = axisLength();
    for (const std::array<double, 3> &point : {std::array<double, 3>{0, 0, 0}, {length, 0, 0}, {0, length, 0}, {0, 0, length}})
        include(box, point);
    const auto merge = [&box](const Box &other) {
        if (other.min[0] <= other.max[0]) {
            include(box, other.min);
            include(box, other.max);
        }
    };
    for (const Kept &k : m_kept)
        merge(k.box);
    if (m_preview)
        merge(m_keptPreview->box);
    for (const Box &other : m_extent)
        merge(other);
    return box;
}
