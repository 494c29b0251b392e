// The picture as a 3D model: each curve's solid closed and turned outwards with the volume of its
// cone, the STL, GLB and PLY files as real clients read them (admesh, the Khronos validator), the
// words and colours read back, and damaged or hostile models refused with one message.
#include "ModelClients.h"
#include "curve/CurveSolid.h"
#include "picture/LegacyWords.h"
#include "picture/MachineForm.h"
#include "files/models/ModelFiles.h"
#include "files/PictureFormats.h"
#include "picture/Picture.h"
#include "runtime/Angles.h"
#include "runtime/Palette.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace {
using Point = CurveModel::Point;
// The format whose reader reads a file.
using Reader = PictureFormats::Format;

const CurveValues defaults{20, 15, 10, 5, 3, 1, 45, 45};

// The curves of the 1.1.0 picture in tests/data, read from its words.
PictureCurves oldPictureCurves()
{
    QFile svg(QFINDTESTDATA("data/elica-1.1.0.svg"));
    if (!svg.open(QIODevice::ReadOnly))
        return {};
    const WordsReading words = PictureFormats::of(PictureFormats::Format::Svg).read(svg);
    const auto document = LegacyWords::read(std::get<FileWords>(words).curves);
    return std::get<PictureDocument>(document).curves;
}

PictureDocument documentOf(const QList<CurveValues> &values)
{
    PictureDocument document;
    for (const CurveValues &v : values)
        document.curves.push_back({int(document.curves.size() + 1) % 16, v, 0.75});
    return document;
}

Point minus(const Point &a, const Point &b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
Point cross(const Point &u, const Point &v) { return {u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X}; }
double dot(const Point &u, const Point &v) { return u.X * v.X + u.Y * v.Y + u.Z * v.Z; }

struct Box {
    Point low{INFINITY, INFINITY, INFINITY};
    Point high{-INFINITY, -INFINITY, -INFINITY};
    void include(const Point &p)
    {
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
    }
    Point sides() const { return minus(high, low); }
    double largestSide() const { return std::max({high.X - low.X, high.Y - low.Y, high.Z - low.Z}); }
};

Point floatsAt(const char *at) { return {qFromLittleEndian<float>(at), qFromLittleEndian<float>(at + 4), qFromLittleEndian<float>(at + 8)}; }

// The corners of every triangle of a binary STL.
Box stlBox(const QByteArray &stl)
{
    Box box;
    for (qsizetype at = 84; at + 50 <= stl.size(); at += 50)
        for (int corner = 1; corner <= 3; ++corner)
            box.include(floatsAt(stl.constData() + at + 12 * corner));
    return box;
}

qsizetype plyDataStart(const QByteArray &ply) { return ply.indexOf("end_header\n") + 11; }

Box plyBox(const QByteArray &ply)
{
    Box box;
    for (qsizetype at = plyDataStart(ply); at + 15 <= ply.size(); at += 15)
        box.include(floatsAt(ply.constData() + at));
    return box;
}

QJsonObject glbJson(const QByteArray &glb)
{
    const quint32 length = qFromLittleEndian<quint32>(glb.constData() + 12);
    return QJsonDocument::fromJson(glb.mid(20, length)).object();
}

// The box of every POSITION accessor, by the bounds the accessors declare (the validator checks them).
Box glbBox(const QByteArray &glb)
{
    const QJsonObject json = glbJson(glb);
    const QJsonArray accessors = json[QStringLiteral("accessors")].toArray();
    Box box;
    for (const QJsonValue &mesh : json[QStringLiteral("meshes")].toArray())
        for (const QJsonValue &primitive : mesh[QStringLiteral("primitives")].toArray()) {
            const QJsonObject accessor = accessors[primitive[QStringLiteral("attributes")][QStringLiteral("POSITION")].toInt()].toObject();
            for (const char *bound : {"min", "max"}) {
                const QJsonArray p = accessor[QLatin1String(bound)].toArray();
                box.include({p[0].toDouble(), p[1].toDouble(), p[2].toDouble()});
            }
        }
    return box;
}

// The GLB with other JSON in its JSON chunk, padded to the same length.
QByteArray withJson(const QByteArray &glb, const QByteArray &json)
{
    const quint32 length = qFromLittleEndian<quint32>(glb.constData() + 12);
    return json.size() <= length ? glb.left(20) + json.leftJustified(length, ' ') + glb.mid(20 + length) : QByteArray();
}

QByteArray withWord(QByteArray bytes, qsizetype at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
    return bytes;
}

WordsReading readBytes(Reader read, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return PictureFormats::of(read).read(buffer);
}

QByteArray written(PictureFormats::Format format, const Model &model)
{
    return PictureFormats::of(format).write(model);
}
}

class ModelTest : public QObject {
    Q_OBJECT
private slots:
    void solidIsClosedAndHoldsItsCone_data();
    void solidIsClosedAndHoldsItsCone();
    void flatCurvesBoundNothing_data();
    void flatCurvesBoundNothing();
    void largestSideIsTheSizeAsked_data();
    void largestSideIsTheSizeAsked();
    void admeshFindsNothingToFix_data();
    void admeshFindsNothingToFix();
    void validatorFindsNothingWrong_data();
    void validatorFindsNothingWrong();
    void wordsReadBack_data();
    void wordsReadBack();
    void coloursArePalettes_data();
    void coloursArePalettes();
    void damagedModelsRefused_data();
    void damagedModelsRefused();
};

// Curves of every turn: rings both ways round, rising and falling, and the 1.1.0 picture's.
QList<std::pair<QByteArray, CurveValues>> curveTable()
{
    QList<std::pair<QByteArray, CurveValues>> table = {
        {"defaults", defaults},
        {"c negative", {20, 15, -10, 5, 3, 1, 45, 45}},
        {"d negative", {20, 15, 10, -5, 3, 1, 45, 45}},
        {"passo negative", {20, 15, 10, 5, 3, -1, 45, 45}},
        {"rapporto below -1", {20, 15, 10, 5, -1.5, 1, 45, 45}},
        {"rapporto between -1 and 0", {20, 15, 10, 5, -0.4, 2, 45, 45}},
    };
    const PictureCurves old = oldPictureCurves();
    for (std::size_t i = 0; i < old.size(); ++i)
        table.append({"1.1.0 picture, curve " + QByteArray::number(qsizetype(i) + 1), old[i].values});
    return table;
}

// Each curve of the table alone, then several at once, a flat one and one drawn twice among them.
void addPictureRows()
{
    QTest::addColumn<QList<CurveValues>>("curves");
    QList<CurveValues> all;
    for (const auto &[name, values] : curveTable()) {
        QTest::newRow(name.constData()) << QList<CurveValues>{values};
        all.append(values);
    }
    all.insert(2, {20, 15, 10, 0, 3, 1, 45, 45});
    all.append(defaults);
    QTest::newRow("all, with a flat curve and the defaults twice") << all;
}

void ModelTest::solidIsClosedAndHoldsItsCone_data()
{
    QTest::addColumn<CurveValues>("values");
    for (const auto &[name, values] : curveTable())
        QTest::newRow(name.constData()) << values;
    QCOMPARE(oldPictureCurves().size(), std::size_t(2));
}

// A closed, consistently turned surface: every edge once each way, a sphere's Euler characteristic,
// a positive volume (outwards) equal to the cone's the rings sweep, and no triangle without area.
// Its corners are the curve's model points, but for the lid's centre.
void ModelTest::solidIsClosedAndHoldsItsCone()
{
    QFETCH(CurveValues, values);
    QVERIFY(CurveSolid::enclosesVolume(values));
    const SolidMesh mesh = CurveSolid::build(values);

    QHash<QPair<quint32, quint32>, int> edges;
    double volume = 0, smallestArea = INFINITY, largestArea = 0;
    for (const auto &[a, b, c] : mesh.triangles) {
        for (const auto &[from, to] : {qMakePair(a, b), qMakePair(b, c), qMakePair(c, a)})
            ++edges[qMakePair(from, to)];
        const Point &p = mesh.vertices[a], &q = mesh.vertices[b], &r = mesh.vertices[c];
        volume += dot(p, cross(q, r)) / 6;
        const Point n = cross(minus(q, p), minus(r, p));
        smallestArea = std::min(smallestArea, std::sqrt(dot(n, n)) / 2);
        largestArea = std::max(largestArea, std::sqrt(dot(n, n)) / 2);
    }
    for (auto edge = edges.cbegin(); edge != edges.cend(); ++edge) {
        QVERIFY(edge.key().first != edge.key().second);
        QCOMPARE(edge.value(), 1);
        QVERIFY2(edges.value(qMakePair(edge.key().second, edge.key().first)) == 1, "an edge without its opposite");
    }
    QCOMPARE(qsizetype(mesh.vertices.size()) - edges.size() / 2 + qsizetype(mesh.triangles.size()), qsizetype(2));
    QVERIFY2(smallestArea > largestArea * 1e-9, qPrintable(QString::number(smallestArea)));

    const double pi = std::numbers::pi;
    const double cone = pi * std::abs(values.c * values.d) * values.ratio * values.ratio * std::abs(values.step * (1 + values.ratio))
        * std::pow(2 * pi, 3) / 3;
    qInfo("volume %.6g, the cone's %.6g: %+.4f%%", volume, cone, 100 * (volume - cone) / cone);
    QVERIFY(volume > 0);
    QVERIFY(std::abs(volume - cone) <= 0.01 * cone);

    const std::vector<Point> model = CurveModel().points(values, Angles::P1());
    const auto others = std::count_if(mesh.vertices.begin(), mesh.vertices.end(),
                                      [&](const Point &p) { return std::find(model.begin(), model.end(), p) == model.end(); });
    QCOMPARE(others, 1);
}

void ModelTest::flatCurvesBoundNothing_data()
{
    QTest::addColumn<CurveValues>("flat");
    QTest::newRow("passo 0") << CurveValues{20, 15, 10, 5, 3, 0, 45, 45};
    QTest::newRow("rapporto -1") << CurveValues{20, 15, 10, 5, -1, 1, 45, 45};
    QTest::newRow("c 0") << CurveValues{20, 15, 0, 5, 3, 1, 45, 45};
    QTest::newRow("d 0") << CurveValues{20, 15, 10, 0, 3, 1, 45, 45};
}

// A flat curve is named by its number and left out of the STL, which alone has nothing to write.
void ModelTest::flatCurvesBoundNothing()
{
    QFETCH(CurveValues, flat);
    QVERIFY(!CurveSolid::enclosesVolume(flat));
    const Model alone(documentOf({flat}));
    QCOMPARE(alone.flatCurves(), std::vector<int>{1});
    QVERIFY(!alone.hasSolid());
    QVERIFY(written(PictureFormats::Format::Stl, alone).isEmpty());

    const Model mixed(documentOf({defaults, flat, defaults}));
    QCOMPARE(mixed.flatCurves(), std::vector<int>{2});
    QVERIFY(ModelNotice::flatCurve(2).contains(QStringLiteral("curva 2 ")));
    QVERIFY(mixed.hasSolid());
}

void ModelTest::largestSideIsTheSizeAsked_data()
{
    QTest::addColumn<double>("size");
    QTest::newRow("100 mm, the default") << Model::defaultSide;
    QTest::newRow("37.5 mm") << 37.5;
    QTest::newRow("2 m") << 2000.0;
}

// Every file's box has the size asked as its largest side and rests on the origin; the curves keep
// their sizes beside each other whatever the file holds (a flat curve is in the PLY, not the STL).
// The GLB is the same figure turned to Y up, in metres.
void ModelTest::largestSideIsTheSizeAsked()
{
    QFETCH(double, size);
    const CurveValues small{5, 4, 2, 1, 3, 0.5, 45, 45};
    const CurveValues wide{400, 15, 0, 5, 3, 1, 45, 45};
    const Model model(documentOf({defaults, small, wide}), size);
    const Box stl = stlBox(written(PictureFormats::Format::Stl, model)), ply = plyBox(written(PictureFormats::Format::Ply, model)), glb = glbBox(written(PictureFormats::Format::Glb, model));
    const double tolerance = size * 1e-6;
    for (const Box &box : {stl, ply})
        for (const double low : {box.low.X, box.low.Y, box.low.Z})
            QVERIFY(std::abs(low) <= tolerance);
    QVERIFY(std::abs(stl.largestSide() - size) <= tolerance);
    QVERIFY(std::abs(ply.largestSide() - size) <= tolerance);
    // The wide curve is flat: without it the solids are narrower than the dots, and so deeper
    // beside their width.
    QVERIFY(stl.sides().Y > ply.sides().Y * 1.5);

    const Point turned{glb.sides().X * 1000, glb.sides().Z * 1000, glb.sides().Y * 1000};
    for (const auto &[inGlb, inPly] : {std::pair{turned.X, ply.sides().X}, {turned.Y, ply.sides().Y}, {turned.Z, ply.sides().Z}})
        QVERIFY2(std::abs(inGlb - inPly) <= tolerance, qPrintable(QStringLiteral("%1 %2").arg(inGlb).arg(inPly)));
    QVERIFY(std::abs(glb.low.Y) <= tolerance / 1000 && std::abs(glb.high.Z) <= tolerance / 1000);
}

void ModelTest::admeshFindsNothingToFix_data()
{
    addPictureRows();
}

// admesh reads the STL, checks it and reports nothing it had to mend: every shell closed, its
// facets turned alike, its normals those of the facets. A curve drawn twice is one shell.
void ModelTest::admeshFindsNothingToFix()
{
    QFETCH(QList<CurveValues>, curves);
    const QByteArray stl = written(PictureFormats::Format::Stl, Model(documentOf(curves)));
    QVERIFY(stl.startsWith((PictureWords::maker() + QLatin1Char(' ') + PictureWords::title()).toUtf8()));
    const ClientReport admesh = admeshReport(stl);
    if (!admesh.missing.isEmpty())
        QSKIP(qPrintable(admesh.missing));

    QList<CurveValues> shells;
    int facets = 0;
    for (const CurveValues &v : curves)
        if (CurveSolid::enclosesVolume(v) && !shells.contains(v)) {
            shells.append(v);
            facets += int(CurveSolid::build(v).triangles.size());
        }
    QCOMPARE(admeshCount(admesh.report, QStringLiteral("Number of facets")), facets);
    QCOMPARE(admeshCount(admesh.report, QStringLiteral("Number of parts")), shells.size());
    QCOMPARE(admeshFixes(admesh.report), QStringList());
}

void ModelTest::validatorFindsNothingWrong_data()
{
    addPictureRows();
}

// The Khronos validator finds no error and no warning in the GLB.
void ModelTest::validatorFindsNothingWrong()
{
    QFETCH(QList<CurveValues>, curves);
    const ClientReport validator = validatorReport(written(PictureFormats::Format::Glb, Model(documentOf(curves))));
    if (!validator.missing.isEmpty())
        QSKIP(qPrintable(validator.missing));
    QVERIFY2(validator.report.startsWith(QStringLiteral("errors 0 warnings 0 ")), qPrintable(validator.report));
}

void ModelTest::wordsReadBack_data()
{
    QTest::addColumn<Reader>("read");
    QTest::addColumn<bool>("glb");
    QTest::addColumn<PictureDocument>("document");
    PictureDocument seen = documentOf({defaults, {12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60}, {20, 15, 10, 5, -1, 1, 45, 45}});
    seen.view = ViewAngles{-30.5, 35.26438968275465};
    // As the program holds it once opened: drawn again at the current calibration.
    PictureDocument old;
    for (const PictureCurve &curve : oldPictureCurves())
        old.curves.push_back({curve.colour, curve.values, 0.75});
    for (const bool glb : {true, false}) {
        const Reader read = glb ? PictureFormats::Format::Glb : PictureFormats::Format::Ply;
        const char *format = glb ? "GLB" : "PLY";
        QTest::addRow("%s, three curves seen from the 3D view", format) << read << glb << seen;
        QTest::addRow("%s, the 1.1.0 picture", format) << read << glb << old;
        QTest::addRow("%s, no curve", format) << read << glb << PictureDocument{};
    }
}

// The exact form and the words come back as written, through the reader opening uses.
void ModelTest::wordsReadBack()
{
    QFETCH(Reader, read);
    QFETCH(bool, glb);
    QFETCH(PictureDocument, document);
    const Model model(document);
    const QByteArray bytes = glb ? written(PictureFormats::Format::Glb, model) : written(PictureFormats::Format::Ply, model);
    QCOMPARE(ModelFiles::isGlb(bytes), glb);
    QCOMPARE(ModelFiles::isPly(bytes), !glb);
    const WordsReading reading = readBytes(read, bytes);
    QVERIFY(std::holds_alternative<FileWords>(reading));
    const FileWords words = std::get<FileWords>(reading);
    QCOMPARE(words.machineForm, std::optional(MachineForm::write(document)));
    QCOMPARE(words.maker, PictureWords::maker());
    QCOMPARE(words.curves, PictureWords::description(document));
    QCOMPARE(MachineForm::read(*words.machineForm).index() == 0, !document.curves.empty());
}

void ModelTest::coloursArePalettes_data()
{
    QTest::addColumn<int>("colour");
    // sRGB 128/255 and 192/255 in linear light.
    QTest::addColumn<QList<double>>("linear");
    QTest::newRow("blu scuro") << 1 << QList<double>{0, 0, 0.2158605};
    QTest::newRow("grigio chiaro") << 7 << QList<double>{0.5271151, 0.5271151, 0.5271151};
    QTest::newRow("grigio scuro") << 8 << QList<double>{0.2158605, 0.2158605, 0.2158605};
    QTest::newRow("rosso") << 12 << QList<double>{1, 0, 0};
}

// The GLB's curve has its palette colour in linear light on its solid and its dots; the PLY's dots
// carry the palette's bytes.
void ModelTest::coloursArePalettes()
{
    QFETCH(int, colour);
    QFETCH(QList<double>, linear);
    PictureDocument document = documentOf({{20, 15, 10, 0, 3, 1, 45, 45}, defaults});
    document.curves[1].colour = colour;
    const Model model(document);

    const QJsonObject json = glbJson(written(PictureFormats::Format::Glb, model));
    const QJsonArray primitives = json[QStringLiteral("meshes")][1][QStringLiteral("primitives")].toArray();
    QCOMPARE(primitives.size(), 2);
    for (const QJsonValue &primitive : primitives) {
        const QJsonArray factor =
            json[QStringLiteral("materials")][primitive[QStringLiteral("material")].toInt()][QStringLiteral("pbrMetallicRoughness")]
                [QStringLiteral("baseColorFactor")]
                    .toArray();
        for (int k = 0; k < 3; ++k)
            QVERIFY2(std::abs(factor[k].toDouble() - linear[k]) < 1e-6, qPrintable(QString::number(factor[k].toDouble())));
        QCOMPARE(factor[3].toDouble(), 1.0);
    }
    QCOMPARE(json[QStringLiteral("meshes")][0][QStringLiteral("primitives")].toArray().size(), 1);

    const QByteArray ply = written(PictureFormats::Format::Ply, model);
    const QColor palette = QBColor(colour);
    const qsizetype secondCurve = plyDataStart(ply) + qsizetype(CurveModel::pointCount) * 15;
    QCOMPARE(ply.size(), secondCurve + qsizetype(CurveModel::pointCount) * 15);
    for (qsizetype at = secondCurve; at < ply.size(); at += 15)
        QVERIFY(uchar(ply[at + 12]) == palette.red() && uchar(ply[at + 13]) == palette.green() && uchar(ply[at + 14]) == palette.blue());
}

void ModelTest::damagedModelsRefused_data()
{
    QTest::addColumn<Reader>("read");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const Model model(documentOf({defaults, {12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60}, defaults, defaults}));
    const QByteArray glb = written(PictureFormats::Format::Glb, model);
    const QByteArray ply = written(PictureFormats::Format::Ply, model);
    const quint32 jsonLength = qFromLittleEndian<quint32>(glb.constData() + 12);
    const qsizetype binAt = 20 + jsonLength;
    const QString damagedGlb = QStringLiteral("il modello GLB è danneggiato o incompleto");
    const QString damagedPly = QStringLiteral("il modello PLY è danneggiato o incompleto");
    const QString notElicasGlb = QStringLiteral("il modello GLB non è di Elica");
    const QString unreadableJson = QStringLiteral("il JSON è illeggibile");
    const Reader readGlb = PictureFormats::Format::Glb, readPly = PictureFormats::Format::Ply, readStl = PictureFormats::Format::Stl;

    QTest::newRow("GLB, wrong magic") << readGlb << withWord(glb, 0, 0x46546C68) << "il file non è un modello GLB";
    QTest::newRow("GLB, version 1") << readGlb << withWord(glb, 4, 1) << "il modello GLB è della versione 1";
    QTest::newRow("GLB, cut short") << readGlb << glb.left(glb.size() - 1000) << damagedGlb;
    QTest::newRow("GLB, header alone") << readGlb << glb.left(12) << damagedGlb;
    QTest::newRow("GLB, empty") << readGlb << QByteArray() << "il file non è un modello GLB";
    QTest::newRow("GLB, JSON chunk past the end") << readGlb << withWord(glb, 12, quint32(glb.size())) << damagedGlb;
    QTest::newRow("GLB, BIN chunk past the end") << readGlb << withWord(glb, binAt, quint32(glb.size())) << damagedGlb;
    QTest::newRow("GLB, JSON chunk claims 17 MiB") << readGlb << withWord(glb, 12, 17 << 20)
                                                   << "il modello GLB ha un JSON troppo lungo";
    QTest::newRow("GLB, BIN first") << readGlb << withWord(glb, 16, 0x004E4942) << damagedGlb;
    QTest::newRow("GLB, nested too deep") << readGlb << withJson(glb, QByteArray(1100, '[') + QByteArray(1100, ']')) << unreadableJson;
    QTest::newRow("GLB, JSON not well formed") << readGlb << withJson(glb, R"({"asset": {"version": "2.0")") << unreadableJson;
    QTest::newRow("GLB, no extras") << readGlb << withJson(glb, R"({"asset": {"version": "2.0"}})") << notElicasGlb;
    QTest::newRow("GLB, extras not texts")
        << readGlb << withJson(glb, R"({"asset": {"version": "2.0", "extras": {"maker": 1, "elica-picture": []}}})") << notElicasGlb;

    const qsizetype data = plyDataStart(ply);
    QByteArray nan = ply, infinite = ply;
    qToLittleEndian<float>(std::numeric_limits<float>::quiet_NaN(), nan.data() + data + 15 * 1000 + 4);
    qToLittleEndian<float>(-std::numeric_limits<float>::infinity(), infinite.data() + ply.size() - 7);
    const qint64 held = qint64(model.document().curves.size()) * CurveModel::pointCount;
    const auto counting = [&](qint64 count) {
        return QByteArray(ply).replace("element vertex " + QByteArray::number(held), "element vertex " + QByteArray::number(count));
    };
    QByteArray endless = "ply\nformat binary_little_endian 1.0\n";
    while (endless.size() < (3 << 20))
        endless += "comment maker Elica\n";
    QTest::newRow("PLY, cut short") << readPly << ply.left(ply.size() - 15) << damagedPly;
    QTest::newRow("PLY, cut in the header") << readPly << ply.left(data - 20) << damagedPly;
    QTest::newRow("PLY, one dot more than it holds") << readPly << counting(held + 1) << damagedPly;
    QTest::newRow("PLY, one dot fewer than it holds") << readPly << counting(held - 1) << damagedPly;
    QTest::newRow("PLY, a count that overflows") << readPly << counting(std::numeric_limits<qint64>::max()) << damagedPly;
    QTest::newRow("PLY, a negative count") << readPly << counting(-15) << damagedPly;
    QTest::newRow("PLY, a dot not a number") << readPly << nan << "il punto 1001 ha una coordinata che non è un numero finito";
    QTest::newRow("PLY, a dot at infinity") << readPly << infinite << damagedPly;
    QTest::newRow("PLY, a header without end") << readPly << endless << "il modello PLY ha un'intestazione troppo lunga";
    QTest::newRow("PLY, text") << readPly << QByteArray(ply).replace("binary_little_endian", "ascii")
                               << "il modello PLY non è nel formato";
    QTest::newRow("PLY, dots in double precision")
        << readPly << QByteArray(ply).replace("property float x", "property double x") << "il modello PLY non ha i punti";
    QTest::newRow("PLY, words of another program")
        << readPly << QByteArray(ply).replace("comment maker", "comment author").replace("comment elica-picture", "comment other")
        << "il modello PLY non è di Elica";
    QTest::newRow("STL, sound") << readStl << written(PictureFormats::Format::Stl, model) << "un modello STL non porta i valori delle curve";
}

// One message, a line saying why, and the reading ends: nothing is read past what the file claims.
void ModelTest::damagedModelsRefused()
{
    QFETCH(Reader, read);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const WordsReading reading = readBytes(read, bytes);
    QVERIFY(std::holds_alternative<QString>(reading));
    const QString message = std::get<QString>(reading);
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY(!message.contains(QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(ModelTest)
#include "tst_model.moc"
