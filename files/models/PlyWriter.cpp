// The picture's dots as a binary PLY, each in its palette colour, with the words in comments.
#include "files/models/LittleEndian.h"
#include "files/models/ModelFiles.h"
#include "files/models/ModelWords.h"
#include "files/models/PlyLayout.h"
#include "runtime/Palette.h"

QByteArray ModelFiles::ply(const Model &model, const WordKeys &keys)
{
    const PictureCurves &curves = model.document().curves;
    QByteArray out = "ply\nformat " + PlyLayout::format() + '\n';
    for (const auto &[key, text] : ModelWords::entries(model.document(), keys))
        for (const QString &line : text.split(QLatin1Char('\n')))
            out += PlyLayout::comment() + ' ' + key.toUtf8() + ' ' + line.toUtf8() + '\n';
    out += PlyLayout::vertexElement() + ' ' + QByteArray::number(qint64(curves.size()) * CurveModel::pointCount) + '\n';
    for (const QByteArray &property : PlyLayout::vertexProperties())
        out += property + '\n';
    out += "end_header\n";

    const Model::Placement place = model.placement(Model::Parts::Dots);
    out.reserve(out.size() + qsizetype(curves.size()) * CurveModel::pointCount * PlyLayout::recordSize);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const QColor colour = QBColor(curves[i].colour);
        const char rgb[3] = {char(colour.red()), char(colour.green()), char(colour.blue())};
        for (const CurveModel::Point &dot : model.dots(i)) {
            const CurveModel::Point mm = place(dot);
            const float xyz[3] = {float(mm.X), float(mm.Y), float(mm.Z)};
            LittleEndian::append(out, xyz, 3);
            out.append(rgb, 3);
        }
    }
    return out;
}
