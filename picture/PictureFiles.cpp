#include "picture/PictureFiles.h"
#include "picture/MachineForm.h"
#include "picture/PdfInfo.h"
#include "picture/Picture.h"
#include "runtime/PictureRecord.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int logicalDpi = 96;

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 8);
}

// Without its alpha: "#rrggbb".
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

void appendFill(QByteArray &out, const PictureFill &fill)
{
    out += "<rect stroke=\"none\" x=\"" + number(fill.rect.x()) + "\" y=\"" + number(fill.rect.y()) + "\" width=\""
        + number(fill.rect.width()) + "\" height=\"" + number(fill.rect.height()) + "\" fill=\"" + colourText(fill.colour) + '"';
    if (qAlpha(fill.colour) != 255)
        out += " fill-opacity=\"" + number(qAlpha(fill.colour) / 255.0) + '"';
    out += "/>\n";
}

void appendLabel(QByteArray &out, const PictureLabel &label)
{
    out += "<text x=\"" + number(label.baseline.x()) + "\" y=\"" + number(label.baseline.y()) + "\" font-family=\""
        + escaped(PictureWords::labelFamily()) + "\" font-size=\"" + number(label.pixelSize) + "\" fill=\""
        + colourText(label.colour) + "\">" + escaped(label.text) + "</text>\n";
}
}

QByteArray PictureFiles::png(const Picture &picture, const WordKeys &keys)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    // The texts go into an image that only looks at the picture's pixels: set on the picture's own
    // image, which the surface shares, they would have every pixel copied first, at a cost greater
    // than the rest of the writing.
    const QImage shown = picture.shownImage();
    QImage withWords(shown.constBits(), shown.width(), shown.height(), shown.bytesPerLine(), shown.format());
    withWords.setDotsPerMeterX(shown.dotsPerMeterX());
    withWords.setDotsPerMeterY(shown.dotsPerMeterY());
    for (const auto &[key, text] : picture.texts(keys))
        withWords.setText(key, text);
    QImageWriter(&buffer, "png").write(withWords);
    return out;
}

// The program's name and version open the description, a line of their own.
QByteArray PictureFiles::svg(const Picture &picture, const WordKeys &keys)
{
    const QByteArray w = QByteArray::number(picture.size.width());
    const QByteArray h = QByteArray::number(picture.size.height());
    QByteArray out;
    out.reserve(qsizetype(picture.marks ? picture.marks->dotCount() : 0) * 24 + 4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h
        + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
    const auto element = [](const char *name, const QString &text, const QByteArray &attributes = {}) {
        return '<' + QByteArray(name) + attributes + '>' + escaped(text) + "</" + name + ">";
    };
    out += element(keys.title, PictureWords::title()) + '\n';
    out += element(keys.description, PictureWords::maker() + QLatin1Char('\n') + PictureWords::description(picture.document)) + '\n';
    out += "<metadata>"
        + element(keys.form, QString::fromLatin1(MachineForm::write(picture.document)),
                  " xmlns=\"" + QByteArray(keys.formNamespace) + '"')
        + "</metadata>\n";
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
    for (const PictureFill &fill : picture.fills)
        appendFill(out, fill);
    for (const PictureLabel &label : picture.labels)
        appendLabel(out, label);
    out += "</svg>\n";
    return out;
}

QByteArray PictureFiles::pdf(const Picture &picture, const WordKeys &keys)
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
    return PdfInfo::withInfo(out, {{keys.title, PictureWords::title()},
                                   {keys.description, PictureWords::description(picture.document)},
                                   {keys.maker, PictureWords::maker()},
                                   {keys.form, QString::fromLatin1(MachineForm::write(picture.document))}});
}
