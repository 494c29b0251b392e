// Binary STL: an 80-byte header, the triangle count, then each triangle's unit normal and corners
// in millimetres, single precision.
#include "files/models/LittleEndian.h"
#include "files/models/ModelFiles.h"
#include "picture/Picture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int headerSize = 80;
constexpr int triangleSize = 50;

using Corner = std::array<float, 3>;

// From the corners as the file holds them: a reader finds the normal it would work out itself.
Corner unitNormal(const Corner &a, const Corner &b, const Corner &c)
{
    const double ux = double(b[0]) - a[0], uy = double(b[1]) - a[1], uz = double(b[2]) - a[2];
    const double vx = double(c[0]) - a[0], vy = double(c[1]) - a[1], vz = double(c[2]) - a[2];
    const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    // A triangle that single precision has flattened has no normal: 0 says so to a reader.
    if (!(length > 0) || !std::isfinite(length))
        return {0, 0, 0};
    return {float(nx / length), float(ny / length), float(nz / length)};
}
}

QByteArray ModelFiles::stl(const Model &model, const WordKeys &)
{
    if (!model.hasSolid())
        return {};
    const Model::Placement place = model.placement(Model::Parts::Solids);
    // Each shell once: the same curve drawn again in another colour would lie on it exactly, and
    // STL keeps no colours.
    std::vector<SolidMesh> meshes;
    std::vector<CurveValues> written;
    for (std::size_t i = 0; i < model.document().curves.size(); ++i) {
        const CurveValues &values = model.document().curves[i].values;
        if (std::find(written.begin(), written.end(), values) != written.end())
            continue;
        if (std::optional<SolidMesh> mesh = model.solid(i)) {
            meshes.push_back(std::move(*mesh));
            written.push_back(values);
        }
    }
    std::uint32_t count = 0;
    for (const SolidMesh &mesh : meshes)
        count += std::uint32_t(mesh.triangles.size());

    QByteArray out = (PictureWords::maker() + QLatin1Char(' ') + PictureWords::title()).toUtf8().left(headerSize);
    out = out.leftJustified(headerSize, ' ');
    out.reserve(headerSize + 4 + qsizetype(count) * triangleSize);
    LittleEndian::append(out, count);
    std::vector<Corner> corners;
    for (const SolidMesh &mesh : meshes) {
        corners.clear();
        for (const CurveModel::Point &vertex : mesh.vertices) {
            const CurveModel::Point mm = place(vertex);
            corners.push_back({float(mm.X), float(mm.Y), float(mm.Z)});
        }
        for (const auto &[a, b, c] : mesh.triangles) {
            const Corner normal = unitNormal(corners[a], corners[b], corners[c]);
            std::array<float, 12> numbers;
            auto at = std::copy(normal.begin(), normal.end(), numbers.begin());
            for (const Corner *corner : {&corners[a], &corners[b], &corners[c]})
                at = std::copy(corner->begin(), corner->end(), at);
            LittleEndian::append(out, numbers.data(), numbers.size());
            out.append(2, '\0');
        }
    }
    return out;
}

WordsReading ModelFiles::readStl(QIODevice &, const WordKeys &)
{
    return QStringLiteral("un modello STL non porta i valori delle curve (la sua intestazione di 80 byte non ha posto "
                          "per scriverli): Elica non può aprirlo");
}
