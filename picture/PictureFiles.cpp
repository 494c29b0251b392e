#include "picture/PictureFiles.h"
#include "picture/MachineForm.h"
#include "picture/PdfInfo.h"
#include "picture/Picture.h"
#include "picture/PictureFormats.h"
#include "runtime/PictureRecord.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int logicalDpi = 96;

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 8);
}

QByteArray colourText(QRgb rgb)
{
    return QColor::fromRgb(rgb).name().toLatin1();
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

void appendLines(QByteArray &out, const PictureRecord &record, const PictureRecord::Run &run)
{
    out += "<path fill=\"none\" stroke=\"" + colourText(run.colour) + "\" stroke-width=\"" + number(run.penWidth)
        + "\" stroke-linecap=\"square\" d=\"";
    for (std::uint32_t i = run.first; i < run.first + run.count; i += 2) {
        const QPointF a = record.point(i);
        const QPointF b = record.point(i + 1);
        out += 'M' + number(a.x()) + ' ' + number(a.y()) + 'L' + number(b.x()) + ' ' + number(b.y());
    }
    out += "\"/>\n";
}

void appendDots(QByteArray &out, const PictureRecord &record, const PictureRecord::Run &run)
{
    const QByteArray w = number(run.penWidth);
    const QByteArray side = 'h' + w + 'v' + w + "h-" + w + 'z';
    out += "<path stroke=\"none\" fill=\"" + colourText(run.colour) + "\" d=\"";
    for (std::uint32_t i = run.first; i < run.first + run.count; ++i) {
        const QPointF corner = record.point(i);
        out += 'M' + number(corner.x()) + ' ' + number(corner.y()) + side;
    }
    out += "\"/>\n";
}

void appendLabel(QByteArray &out, const PictureLabel &label)
{
    out += "<text x=\"" + number(label.baseline.x()) + "\" y=\"" + number(label.baseline.y()) + "\" font-family=\""
        + escaped(PictureWords::labelFamily()) + "\" font-size=\"" + number(label.pixelSize) + "\" fill=\""
        + colourText(label.colour) + "\">" + escaped(label.text) + "</text>\n";
}

QString reason(const QFileDevice &file, const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QStringLiteral("la cartella %1 non esiste").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("%1 non è una cartella").arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.error() == QFileDevice::PermissionsError)
        return QStringLiteral("permesso negato");
    return file.errorString();
}
}

QByteArray PictureFiles::png(const Picture &picture)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture.imageWithWords());
    return out;
}

QByteArray PictureFiles::svg(const Picture &picture)
{
    const QByteArray w = QByteArray::number(picture.size.width());
    const QByteArray h = QByteArray::number(picture.size.height());
    QByteArray out;
    out.reserve(qsizetype(picture.marks ? picture.marks->dotCount() : 0) * 24 + 4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h
        + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
    out += "<title>" + escaped(PictureWords::title()) + "</title>\n";
    out += "<desc>" + escaped(PictureWords::maker() + QLatin1Char('\n') + PictureWords::description(picture.document))
        + "</desc>\n";
    out += "<metadata><picture xmlns=\"" + MachineForm::svgNamespace() + "\">"
        + escaped(QString::fromLatin1(MachineForm::write(picture.document))) + "</picture></metadata>\n";
    // Fills say they have no outline: some renderers draw one otherwise.
    out += "<rect stroke=\"none\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" + colourText(picture.background.rgb())
        + "\"/>\n";
    if (picture.marks) {
        for (const PictureRecord::Run &run : picture.marks->runs()) {
            if (run.kind == PictureRecord::Kind::Lines)
                appendLines(out, *picture.marks, run);
            else
                appendDots(out, *picture.marks, run);
        }
    }
    for (const PictureLabel &label : picture.labels)
        appendLabel(out, label);
    out += "</svg>\n";
    return out;
}

QByteArray PictureFiles::pdf(const Picture &picture)
{
    QByteArray out;
    {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(logicalDpi);
        // 1 logical pixel is 1/96 inch, 0.75 point.
        writer.setPageSize(QPageSize(QSizeF(picture.size) * 72.0 / logicalDpi, QPageSize::Point, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(PictureWords::title());
        writer.setCreator(PictureWords::maker());
        QPainter painter(&writer);
        picture.paint(painter);
    }
    return PdfInfo::withInfo(out, {PictureWords::title(), PictureWords::description(picture.document), PictureWords::maker(),
                                   QString::fromLatin1(MachineForm::write(picture.document))});
}

std::optional<QString> PictureFiles::save(const Picture &picture, const QString &path, Format format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reason(file, path);
    const QByteArray content = PictureFormats::of(format).write(picture);
    if (file.write(content) != content.size() || !file.commit())
        return reason(file, path);
    return std::nullopt;
}
