#include "drawing/PictureFiles.h"
#include "drawing/PdfInfo.h"
#include "drawing/Picture.h"
#include "runtime/Surface.h"

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

std::optional<PictureFiles::Format> PictureFiles::formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (Format format : {Format::Png, Format::Svg, Format::Pdf})
        if (suffix == extension(format))
            return format;
    return std::nullopt;
}

QString PictureFiles::extension(Format format)
{
    switch (format) {
    case Format::Png:
        return QStringLiteral("png");
    case Format::Svg:
        return QStringLiteral("svg");
    case Format::Pdf:
        return QStringLiteral("pdf");
    }
    return {};
}

QByteArray PictureFiles::png(const Surface &surface)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(Picture::image(surface));
    return out;
}

QByteArray PictureFiles::svg(const Surface &surface)
{
    const QSize size = Picture::size(surface);
    const QByteArray w = QByteArray::number(size.width());
    const QByteArray h = QByteArray::number(size.height());
    const PictureRecord &record = surface.record();
    QByteArray out;
    out.reserve(qsizetype(record.dotCount()) * 24 + 4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h
        + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
    out += "<title>" + escaped(Picture::title()) + "</title>\n";
    out += "<desc>" + escaped(Picture::maker() + QLatin1Char('\n') + Picture::curves(surface)) + "</desc>\n";
    // Fills say they have no outline: some renderers draw one otherwise.
    out += "<rect stroke=\"none\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" + colourText(surface.background().rgb())
        + "\"/>\n";
    for (const PictureRecord::Run &run : record.runs()) {
        if (run.kind == PictureRecord::Kind::Lines)
            appendLines(out, record, run);
        else
            appendDots(out, record, run);
    }
    out += "</svg>\n";
    return out;
}

QByteArray PictureFiles::pdf(const Surface &surface)
{
    const QSize size = Picture::size(surface);
    QByteArray out;
    {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(logicalDpi);
        // 1 logical pixel is 1/96 inch, 0.75 point.
        writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / logicalDpi, QPageSize::Point, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(Picture::title());
        writer.setCreator(Picture::maker());
        QPainter painter(&writer);
        Picture::paint(painter, surface);
    }
    return PdfInfo::withInfo(out, {Picture::title(), Picture::curves(surface), Picture::maker()});
}

QByteArray PictureFiles::bytes(const Surface &surface, Format format)
{
    switch (format) {
    case Format::Png:
        return png(surface);
    case Format::Svg:
        return svg(surface);
    case Format::Pdf:
        return pdf(surface);
    }
    return {};
}

std::optional<QString> PictureFiles::save(const Surface &surface, const QString &path, Format format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reason(file, path);
    const QByteArray content = bytes(surface, format);
    if (file.write(content) != content.size() || !file.commit())
        return reason(file, path);
    return std::nullopt;
}
