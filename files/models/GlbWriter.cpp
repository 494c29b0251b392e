// The picture as glTF 2.0 binary: per curve one mesh in its palette colour, holding the solid
// (smooth normals on the sides, a flat lid) when it bounds a volume and its dots as points.
#include "picture/CurveCaption.h"
#include "files/models/GlbLayout.h"
#include "files/models/LittleEndian.h"
#include "files/models/ModelFiles.h"
#include "files/models/ModelWords.h"
#include "runtime/About.h"
#include "runtime/Palette.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
enum : int { arrayBuffer = 34962, elementArrayBuffer = 34963, floatComponent = 5126, unsignedIntComponent = 5125 };
enum : int { pointsMode = 0, trianglesMode = 4 };

using Vec3 = std::array<double, 3>;

// The figure's Z is up and glTF's Y: a quarter turn about X, which keeps the handedness.
Vec3 upright(const CurveModel::Point &p)
{
    return {p.X, p.Z, -p.Y};
}

Vec3 metres(const CurveModel::Point &millimetres)
{
    const Vec3 p = upright(millimetres);
    return {p[0] / 1000, p[1] / 1000, p[2] / 1000};
}

Vec3 cross(const Vec3 &a, const Vec3 &b, const Vec3 &c)
{
    const Vec3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

Vec3 unit(const Vec3 &v)
{
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    // Faces flattened all around a corner give it no direction: any unit vector will do.
    if (!(length > 0) || !std::isfinite(length))
        return {0, 0, 1};
    return {v[0] / length, v[1] / length, v[2] / length};
}

// glTF's colour factors are in linear light; the palette's bytes are sRGB.
double linear(double srgb)
{
    return srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
}

struct SolidVertices {
    // Position and normal, one after the other.
    std::vector<float> interleaved;
    std::vector<std::uint32_t> indices;
};

// The sides' normals are the sums of the faces' around each vertex, larger faces weighing more;
// the lid's corners are vertices of their own with the lid's one normal, so that its rim stays sharp.
SolidVertices solidVertices(const SolidMesh &mesh, const Model::Placement &place)
{
    std::vector<Vec3> positions;
    positions.reserve(mesh.vertices.size());
    for (const CurveModel::Point &p : mesh.vertices)
        positions.push_back(metres(place(p)));
    std::vector<Vec3> sums(positions.size(), Vec3{0, 0, 0});
    Vec3 lid{0, 0, 0};
    const auto add = [](Vec3 &sum, const Vec3 &normal) {
        for (int k = 0; k < 3; ++k)
            sum[k] += normal[k];
    };
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        const auto &corners = mesh.triangles[t];
        const Vec3 normal = cross(positions[corners[0]], positions[corners[1]], positions[corners[2]]);
        if (t >= mesh.firstLidTriangle)
            add(lid, normal);
        else
            for (const std::uint32_t corner : corners)
                add(sums[corner], normal);
    }

    SolidVertices out;
    constexpr std::uint32_t none = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> sideVertex(positions.size(), none), lidVertex(positions.size(), none);
    const auto vertex = [&](std::vector<std::uint32_t> &made, std::uint32_t from, const Vec3 &normal) {
        if (made[from] == none) {
            made[from] = std::uint32_t(out.interleaved.size() / 6);
            for (const Vec3 &v : {positions[from], unit(normal)})
                out.interleaved.insert(out.interleaved.end(), {float(v[0]), float(v[1]), float(v[2])});
        }
        return made[from];
    };
    out.indices.reserve(mesh.triangles.size() * 3);
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t)
        for (const std::uint32_t corner : mesh.triangles[t])
            out.indices.push_back(t < mesh.firstLidTriangle ? vertex(sideVertex, corner, sums[corner])
                                                            : vertex(lidVertex, corner, lid));
    return out;
}

class Glb {
public:
    QJsonArray accessors, bufferViews, materials, meshes, nodes;

    // The colour's material, made on its first use. Not metallic: at glTF's default the palette's
    // colours would show nearly black.
    int material(int colour)
    {
        if (const auto found = m_materials.constFind(colour); found != m_materials.cend())
            return *found;
        const QColor c = QBColor(colour);
        const QJsonObject pbr{{QStringLiteral("baseColorFactor"), QJsonArray{linear(c.redF()), linear(c.greenF()), linear(c.blueF()), 1.0}},
                              {QStringLiteral("metallicFactor"), 0.0}};
        materials.append(QJsonObject{{QStringLiteral("name"), CurveCaption::colourName(colour)}, {QStringLiteral("pbrMetallicRoughness"), pbr}});
        m_materials.insert(colour, int(materials.size()) - 1);
        return int(materials.size()) - 1;
    }

    // Records of `stride` floats, each one or more vectors of three.
    int vertexView(const std::vector<float> &values, int stride)
    {
        return view(values.data(), values.size(), QJsonObject{{QStringLiteral("byteStride"), stride * 4}, {QStringLiteral("target"), arrayBuffer}});
    }

    int indexView(const std::vector<std::uint32_t> &indices)
    {
        return view(indices.data(), indices.size(), QJsonObject{{QStringLiteral("target"), elementArrayBuffer}});
    }

    // The vectors of three floats at `first` in every record.
    int vec3Accessor(int view, const std::vector<float> &values, int stride, int first)
    {
        QJsonArray low, high;
        for (int k = 0; k < 3; ++k) {
            float min = std::numeric_limits<float>::infinity(), max = -min;
            for (std::size_t at = std::size_t(first + k); at < values.size(); at += std::size_t(stride)) {
                min = std::min(min, values[at]);
                max = std::max(max, values[at]);
            }
            low.append(double(min));
            high.append(double(max));
        }
        return accessor(view, first * 4, floatComponent, int(values.size()) / stride, QStringLiteral("VEC3"), low, high);
    }

    int indexAccessor(int view, const std::vector<std::uint32_t> &indices)
    {
        const auto [min, max] = std::minmax_element(indices.begin(), indices.end());
        return accessor(view, 0, unsignedIntComponent, int(indices.size()), QStringLiteral("SCALAR"), QJsonArray{double(*min)},
                        QJsonArray{double(*max)});
    }

    const QByteArray &bin() const { return m_bin; }

private:
    template <typename T>
    int view(const T *data, std::size_t count, QJsonObject object)
    {
        object.insert(QStringLiteral("buffer"), 0);
        object.insert(QStringLiteral("byteOffset"), m_bin.size());
        object.insert(QStringLiteral("byteLength"), qint64(count * sizeof(T)));
        LittleEndian::append(m_bin, data, count);
        bufferViews.append(object);
        return int(bufferViews.size()) - 1;
    }

    int accessor(int view, int byteOffset, int componentType, int count, const QString &type, const QJsonArray &min, const QJsonArray &max)
    {
        accessors.append(QJsonObject{{QStringLiteral("bufferView"), view},
                                     {QStringLiteral("byteOffset"), byteOffset},
                                     {QStringLiteral("componentType"), componentType},
                                     {QStringLiteral("count"), count},
                                     {QStringLiteral("type"), type},
                                     {QStringLiteral("min"), min},
                                     {QStringLiteral("max"), max}});
        return int(accessors.size()) - 1;
    }

    QByteArray m_bin;
    QHash<int, int> m_materials;
};

QJsonObject primitive(int mode, int material, QJsonObject attributes)
{
    return {{QStringLiteral("mode"), mode}, {QStringLiteral("material"), material}, {QStringLiteral("attributes"), attributes}};
}

// A chunk's bytes padded to four.
qsizetype chunkLength(const QByteArray &data)
{
    return (data.size() + 3) / 4 * 4;
}

void appendChunk(QByteArray &out, std::uint32_t type, const QByteArray &data, char padding)
{
    const qsizetype length = chunkLength(data);
    LittleEndian::append(out, std::uint32_t(length));
    LittleEndian::append(out, type);
    out += data;
    out.append(length - data.size(), padding);
}
}

QByteArray ModelFiles::glb(const Model &model, const WordKeys &keys)
{
    const Model::Placement place = model.placement(Model::Parts::SolidsAndDots);
    Glb glb;
    const PictureCurves &curves = model.document().curves;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const int material = glb.material(curves[i].colour);
        QJsonArray primitives;
        if (const std::optional<SolidMesh> mesh = model.solid(i)) {
            const SolidVertices solid = solidVertices(*mesh, place);
            const int vertexView = glb.vertexView(solid.interleaved, 6);
            QJsonObject triangles = primitive(trianglesMode, material,
                                              {{QStringLiteral("POSITION"), glb.vec3Accessor(vertexView, solid.interleaved, 6, 0)},
                                               {QStringLiteral("NORMAL"), glb.vec3Accessor(vertexView, solid.interleaved, 6, 3)}});
            triangles.insert(QStringLiteral("indices"), glb.indexAccessor(glb.indexView(solid.indices), solid.indices));
            primitives.append(triangles);
        }
        std::vector<float> dots;
        for (const CurveModel::Point &p : model.dots(i))
            for (const double coordinate : metres(place(p)))
                dots.push_back(float(coordinate));
        const int dotView = glb.vertexView(dots, 3);
        primitives.append(primitive(pointsMode, material, {{QStringLiteral("POSITION"), glb.vec3Accessor(dotView, dots, 3, 0)}}));
        const QString name = QStringLiteral("Curva %1").arg(i + 1);
        glb.meshes.append(QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("primitives"), primitives}});
        glb.nodes.append(QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("mesh"), int(i)}});
    }

    QJsonObject extras;
    for (const auto &[key, text] : ModelWords::entries(model.document(), keys))
        extras.insert(key, text);
    QJsonObject root{{QStringLiteral("asset"), QJsonObject{{QStringLiteral("version"), QStringLiteral("2.0")},
                                                           {QStringLiteral("generator"), About::name() + QLatin1Char(' ') + About::version()},
                                                           {QStringLiteral("extras"), extras}}},
                     {QStringLiteral("scene"), 0}};
    // glTF allows no empty lists: a picture without curves is a scene without nodes.
    QJsonObject scene;
    if (!glb.nodes.isEmpty()) {
        QJsonArray all;
        for (qsizetype i = 0; i < glb.nodes.size(); ++i)
            all.append(int(i));
        scene.insert(QStringLiteral("nodes"), all);
        root.insert(QStringLiteral("nodes"), glb.nodes);
        root.insert(QStringLiteral("meshes"), glb.meshes);
        root.insert(QStringLiteral("materials"), glb.materials);
        root.insert(QStringLiteral("accessors"), glb.accessors);
        root.insert(QStringLiteral("bufferViews"), glb.bufferViews);
        root.insert(QStringLiteral("buffers"), QJsonArray{QJsonObject{{QStringLiteral("byteLength"), glb.bin().size()}}});
    }
    root.insert(QStringLiteral("scenes"), QJsonArray{scene});

    // The file in one piece of memory: the model's buffer is copied once, not once a chunk.
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Compact);
    const QByteArray &bin = glb.bin();
    const qsizetype length = GlbLayout::headerSize + GlbLayout::chunkHeaderSize + chunkLength(json)
        + (bin.isEmpty() ? 0 : GlbLayout::chunkHeaderSize + chunkLength(bin));
    QByteArray out;
    out.reserve(length);
    LittleEndian::append(out, GlbLayout::magic);
    LittleEndian::append(out, GlbLayout::version);
    LittleEndian::append(out, std::uint32_t(length));
    appendChunk(out, GlbLayout::jsonChunk, json, ' ');
    if (!bin.isEmpty())
        appendChunk(out, GlbLayout::binChunk, bin, '\0');
    return out;
}
