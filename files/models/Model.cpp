#include "files/models/Model.h"
#include "runtime/Angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
struct Box {
    static constexpr double far = std::numeric_limits<double>::infinity();
    CurveModel::Point low{far, far, far};
    CurveModel::Point high{-far, -far, -far};

    void include(const CurveModel::Point &p)
    {
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
    }
    double largestSide() const { return std::max({high.X - low.X, high.Y - low.Y, high.Z - low.Z}); }
};
}

Model::Model(PictureDocument document, double largestSide) : m_document(std::move(document)), m_largestSide(largestSide) {}

std::vector<int> Model::flatCurves() const
{
    std::vector<int> flat;
    for (std::size_t i = 0; i < m_document.curves.size(); ++i)
        if (!CurveSolid::enclosesVolume(m_document.curves[i].values))
            flat.push_back(int(i) + 1);
    return flat;
}

bool Model::hasSolid() const
{
    return flatCurves().size() < m_document.curves.size();
}

std::optional<SolidMesh> Model::solid(std::size_t curve) const
{
    const CurveValues &values = m_document.curves.at(curve).values;
    if (!CurveSolid::enclosesVolume(values))
        return std::nullopt;
    return CurveSolid::build(values);
}

std::vector<CurveModel::Point> Model::dots(std::size_t curve) const
{
    return CurveModel().points(m_document.curves.at(curve).values, Angles::P1());
}

CurveModel::Point Model::Placement::operator()(const CurveModel::Point &point) const
{
    return {(point.X - lowest.X) * scale, (point.Y - lowest.Y) * scale, (point.Z - lowest.Z) * scale};
}

Model::Placement Model::placement(Parts parts) const
{
    Box box;
    for (std::size_t i = 0; i < m_document.curves.size(); ++i) {
        if (parts != Parts::Dots)
            if (const std::optional<SolidMesh> mesh = solid(i))
                for (const CurveModel::Point &p : mesh->vertices)
                    box.include(p);
        if (parts != Parts::Solids)
            for (const CurveModel::Point &p : dots(i))
                box.include(p);
    }
    if (box.low.X > box.high.X)
        return {{0, 0, 0}, 1};
    // A figure that is a single point keeps its size: there is no side to stretch.
    const double side = box.largestSide();
    return {box.low, side > 0 ? m_largestSide / side : 1};
}

bool Model::measurable() const
{
    const Placement place = placement(Parts::SolidsAndDots);
    return std::isfinite(place.lowest.X) && std::isfinite(place.lowest.Y) && std::isfinite(place.lowest.Z)
        && std::isfinite(place.scale) && place.scale > 0;
}

QString ModelNotice::flatCurve(int number)
{
    return QStringLiteral("La curva %1 è piatta: non racchiude un volume e non entra nel modello STL.").arg(number);
}

QString ModelNotice::noSolid()
{
    return QStringLiteral("nessuna curva racchiude un volume: il modello STL sarebbe vuoto");
}

QString ModelNotice::beyondMeasure()
{
    return QStringLiteral("i valori delle curve portano i loro punti oltre ogni misura");
}
