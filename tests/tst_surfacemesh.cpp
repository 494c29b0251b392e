// The shell of a curve as the 3D view draws it, from the same rings as the 3D model's solid: open at
// the top, closed at the apex, its normals smooth and pointing outside; a flat curve or one of
// numbers beyond any has none; and the solid itself as it has always been.
#include "curve/CurveSolid.h"
#include "curve/CurveSurface.h"
#include "runtime/Angles.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QHash>
#include <QtTest>
#include <cmath>
#include <limits>

namespace {
using Point = CurveModel::Point;

Point minus(const Point &a, const Point &b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
Point cross(const Point &u, const Point &v) { return {u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X}; }
double dot(const Point &u, const Point &v) { return u.X * v.X + u.Y * v.Y + u.Z * v.Z; }

QByteArray digest(const SolidMesh &mesh)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const Point &p : mesh.vertices)
        out << p.X << p.Y << p.Z;
    for (const auto &[a, b, c] : mesh.triangles)
        out << a << b << c;
    out << quint64(mesh.firstLidTriangle);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

SurfaceMesh surfaceOf(const CurveValues &values)
{
    return CurveSurface::build(values, CurveModel().points(values, Angles::P1()));
}

// Shells of every turn; with folded ones, shells that pass through themselves, whose faces turn
// over where they fold.
void addCurves(bool folded)
{
    QTest::addColumn<CurveValues>("values");
    QTest::newRow("defaults") << CurveValues{20, 15, 10, 5, 3, 1, 45, 45};
    QTest::newRow("c negative") << CurveValues{20, 15, -10, 5, 3, 1, 45, 45};
    QTest::newRow("d negative") << CurveValues{20, 15, 10, -5, 3, 1, 45, 45};
    QTest::newRow("passo negative") << CurveValues{20, 15, 10, 5, 3, -1, 45, 45};
    if (!folded)
        return;
    QTest::newRow("rapporto below -1") << CurveValues{20, 15, 10, 5, -1.5, 1, 45, 45};
    QTest::newRow("rapporto between -1 and 0") << CurveValues{20, 15, 10, 5, -0.4, 2, 45, 45};
    QTest::newRow("thin and tall") << CurveValues{-4, 25, 1, 9, -1.5, 2, 45, 45};
}
}

class SurfaceMeshTest : public QObject {
    Q_OBJECT
private slots:
    void solidAsBefore_data();
    void solidAsBefore();
    void closedButForItsMouth_data() { addCurves(true); }
    void closedButForItsMouth();
    void normalsSmoothAndOutward_data() { addCurves(false); }
    void normalsSmoothAndOutward();
    void noSurfaceWithoutVolume_data();
    void noSurfaceWithoutVolume();
};

void SurfaceMeshTest::solidAsBefore_data()
{
    QTest::addColumn<CurveValues>("values");
    QTest::addColumn<QByteArray>("sha1");
    QTest::newRow("defaults") << CurveValues{20, 15, 10, 5, 3, 1, 45, 45} << QByteArray("330b279bc64a4941974b0ba53fff61432b83e166");
    QTest::newRow("c negative") << CurveValues{20, 15, -10, 5, 3, 1, 45, 45} << QByteArray("da62319f3c7f37b75db7a2824c42310746af64f8");
    QTest::newRow("passo negative") << CurveValues{20, 15, 10, 5, 3, -1, 45, 45} << QByteArray("6334ccbee6a7b8bc213d783a607f760b34e8d78d");
    QTest::newRow("rapporto below -1") << CurveValues{20, 15, 10, 5, -1.5, 1, 45, 45} << QByteArray("f9fbe4598914dbec46f234faa7da7306c1580e5e");
}

// The 3D model's solid, vertex by vertex and triangle by triangle, as version 1.3.0 made it.
void SurfaceMeshTest::solidAsBefore()
{
    QFETCH(CurveValues, values);
    QFETCH(QByteArray, sha1);
    QCOMPARE(digest(CurveSolid::build(values)), sha1);
}

// Every edge is met once each way, but those of the ring at mu = 360, met once: the mouth, one
// loop of 72 edges. The apex's fan leaves no hole: the apex is a corner of 72 triangles.
void SurfaceMeshTest::closedButForItsMouth()
{
    QFETCH(CurveValues, values);
    const SurfaceMesh mesh = surfaceOf(values);
    QCOMPARE(mesh.vertices.size(), std::size_t(1 + 72 * 72));
    QCOMPARE(mesh.normals.size(), mesh.vertices.size());
    QCOMPARE(mesh.triangles.size(), std::size_t(72 + 2 * 72 * 71));
    QHash<QPair<quint32, quint32>, int> edges;
    int atApex = 0;
    for (const auto &[a, b, c] : mesh.triangles) {
        for (const auto &[from, to] : {qMakePair(a, b), qMakePair(b, c), qMakePair(c, a)})
            ++edges[qMakePair(from, to)];
        atApex += a == 0 || b == 0 || c == 0;
        const Point n = cross(minus(mesh.vertices[b], mesh.vertices[a]), minus(mesh.vertices[c], mesh.vertices[a]));
        QVERIFY2(dot(n, n) > 0, "a triangle without area");
    }
    QCOMPARE(atApex, 72);
    int open = 0;
    for (auto edge = edges.cbegin(); edge != edges.cend(); ++edge) {
        QCOMPARE(edge.value(), 1);
        if (!edges.contains(qMakePair(edge.key().second, edge.key().first))) {
            ++open;
            // Both ends on the top ring.
            QVERIFY(edge.key().first >= 1 + 71 * 72 && edge.key().second >= 1 + 71 * 72);
        }
    }
    QCOMPARE(open, 72);
}

// The faces are the solid's, turned outwards as its are; the normals are of unit length and on the
// side the faces turn to, within 30 degrees of every face around them but at the apex, the tip of
// a cone.
void SurfaceMeshTest::normalsSmoothAndOutward()
{
    QFETCH(CurveValues, values);
    const SurfaceMesh mesh = surfaceOf(values);
    const SolidMesh solid = CurveSolid::build(values);
    QCOMPARE(mesh.triangles.size(), solid.firstLidTriangle);
    for (std::size_t i = 0; i < mesh.triangles.size(); ++i)
        QCOMPARE(mesh.triangles[i], solid.triangles[i]);
    double worst = 1;
    for (const auto &[a, b, c] : mesh.triangles) {
        Point n = cross(minus(mesh.vertices[b], mesh.vertices[a]), minus(mesh.vertices[c], mesh.vertices[a]));
        const double length = std::sqrt(dot(n, n));
        n = {n.X / length, n.Y / length, n.Z / length};
        for (const std::uint32_t v : {a, b, c})
            if (v != 0)
                worst = std::min(worst, dot(n, mesh.normals[v]));
    }
    for (const Point &n : mesh.normals)
        QVERIFY(std::abs(dot(n, n) - 1) < 1e-12);
    qInfo("largest angle between a face and a corner's normal: %.1f degrees", std::acos(worst) * 180 / M_PI);
    QVERIFY(worst > std::cos(30 * M_PI / 180));
}

void SurfaceMeshTest::noSurfaceWithoutVolume_data()
{
    QTest::addColumn<CurveValues>("values");
    const double huge = std::numeric_limits<double>::max();
    QTest::newRow("passo 0") << CurveValues{20, 15, 10, 5, 3, 0, 45, 45};
    QTest::newRow("rapporto -1") << CurveValues{20, 15, 10, 5, -1, 1, 45, 45};
    QTest::newRow("c 0") << CurveValues{20, 15, 0, 5, 3, 1, 45, 45};
    QTest::newRow("d 0") << CurveValues{20, 15, 10, 0, 3, 1, 45, 45};
    QTest::newRow("rapporto 0: rings of one point") << CurveValues{20, 15, 10, 5, 0, 1, 45, 45};
    QTest::newRow("points beyond any number") << CurveValues{huge, 15, huge, 5, 3, 1, 45, 45};
}

void SurfaceMeshTest::noSurfaceWithoutVolume()
{
    QFETCH(CurveValues, values);
    const SurfaceMesh mesh = surfaceOf(values);
    QVERIFY(mesh.empty());
    QVERIFY(mesh.triangles.empty());
}

QTEST_MAIN(SurfaceMeshTest)
#include "tst_surfacemesh.moc"
