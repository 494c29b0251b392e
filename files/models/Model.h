#pragma once
// The picture as the 3D model files hold it: its curves, as solids or as dots, at a size in
// millimetres. Every curve keeps its size beside the others; the box around what a file writes has
// its largest side the size asked and its lowest corner at the origin, Z up, where slicers want it.

#include "curve/CurveSolid.h"
#include "curve/PictureDocument.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

class Model {
public:
    static constexpr double defaultSide = 100;
    // The largest sides that may be asked, in millimetres: from what a printer's nozzle still draws
    // to a building.
    static constexpr double smallestSide = 1;
    static constexpr double largestAllowedSide = 100000;

    explicit Model(PictureDocument document, double largestSide = defaultSide);

    const PictureDocument &document() const { return m_document; }

    // The curves that bound no volume, numbered from 1: files of solids leave them out.
    std::vector<int> flatCurves() const;
    bool hasSolid() const;

    // The solid of the curve at this index, if it bounds a volume, and its dots: every model point.
    std::optional<SolidMesh> solid(std::size_t curve) const;
    std::vector<CurveModel::Point> dots(std::size_t curve) const;

    // What a file writes of the curves.
    enum class Parts { Solids, Dots, SolidsAndDots };

    // From model units to millimetres, for the box around the parts a file writes.
    struct Placement {
        CurveModel::Point lowest;
        double scale;
        CurveModel::Point operator()(const CurveModel::Point &point) const;
    };
    Placement placement(Parts parts) const;
    // Whether every point has a place at the size asked: curves of values near the largest
    // numbers reach beyond what any coordinate holds.
    bool measurable() const;

private:
    PictureDocument m_document;
    double m_largestSide;
};

namespace ModelNotice {
// "La curva 2 è piatta: non racchiude un volume e non entra nel modello STL."
QString flatCurve(int number);
// Why an STL model is not written: no curve bounds a volume.
QString noSolid();
// Why no model is written: its points lie beyond any number.
QString beyondMeasure();
}
