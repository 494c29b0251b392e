#include "files/still/StillFiles.h"
#include "picture/MachineForm.h"
#include "picture/Picture.h"
#include "runtime/MarkRecord.h"

#include <QBuffer>
#include <QImageWriter>
#include <QXmlStreamReader>

namespace {
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

void appendLines(QByteArray &out, const MarkRecord &record, const MarkRecord::Run &run)
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

void appendDots(QByteArray &out, const MarkRecord &record, const MarkRecord::Run &run)
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

// The image at its own pixels, laid over the whole picture: a renderer scales it as it scales the
// marks above it.
void appendUnderlay(QByteArray &out, const QImage &image, const QByteArray &w, const QByteArray &h)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    out += "<image x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h
        + "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64," + png.toBase64() + "\"/>\n";
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

const QString svgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
// Far longer than any words Elica writes: a file with more is not one of its pictures.
constexpr qsizetype longestText = 1 << 20;

enum class Collecting { Nothing, Desc, Form };
}

// XML text, after a byte order mark and blanks: a declaration, a comment or an element.
bool StillFiles::isSvg(const QByteArray &head)
{
    QByteArray text = head.startsWith("\xEF\xBB\xBF") ? head.mid(3) : head;
    text = text.trimmed();
    return text.startsWith("<?xml") || text.startsWith("<svg") || text.startsWith("<!--");
}

// The program's name and version open the description, a line of their own.
QByteArray StillFiles::svg(const Picture &picture, const WordKeys &keys)
{
    const QByteArray w = QByteArray::number(picture.size.width());
    const QByteArray h = QByteArray::number(picture.size.height());
    QByteArray out;
    out.reserve(qsizetype(picture.marks ? picture.marks->dotCount() : 0) * 24 + 4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\"" + QByteArray(picture.underlay.isNull() ? "" : " xmlns:xlink=\"http://www.w3.org/1999/xlink\"")
        + " version=\"1.1\" width=\"" + w + "\" height=\"" + h
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
    if (!picture.underlay.isNull())
        appendUnderlay(out, picture.underlay, w, h);
    if (picture.marks) {
        for (const MarkRecord::Run &run : picture.marks->runs()) {
            if (run.kind == MarkRecord::Kind::Lines)
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

// Read as a stream to its end, so that a file cut short or not well formed is refused. A document
// type declaration is refused before any of it is used: Elica writes none, and its entities are
// the way XML is made to grow without end or to reach for other files.
WordsReading StillFiles::svgWords(QIODevice &device, const WordKeys &keys)
{
    QXmlStreamReader xml(&device);
    QString desc, form;
    bool seenDesc = false, seenForm = false, inMetadata = false;
    Collecting collecting = Collecting::Nothing;
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return QStringLiteral("il file SVG contiene una dichiarazione di tipo di documento, che Elica non legge");
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("il file SVG contiene un riferimento a un'entità, che Elica non legge");
        case QXmlStreamReader::StartElement: {
            ++depth;
            const bool svg = xml.namespaceUri() == svgNamespace;
            if (depth == 1 && !(svg && xml.name() == QLatin1String("svg")))
                return QStringLiteral("il file non è un disegno SVG");
            if (depth == 2 && svg && xml.name() == QLatin1String(keys.description) && !seenDesc) {
                seenDesc = true;
                collecting = Collecting::Desc;
            } else if (depth == 2 && svg && xml.name() == QLatin1String("metadata")) {
                inMetadata = true;
            } else if (depth == 3 && inMetadata && xml.name() == QLatin1String(keys.form)
                       && xml.namespaceUri() == QLatin1String(keys.formNamespace) && !seenForm) {
                seenForm = true;
                collecting = Collecting::Form;
            } else {
                collecting = Collecting::Nothing;
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (depth == 2)
                inMetadata = false;
            --depth;
            collecting = Collecting::Nothing;
            break;
        case QXmlStreamReader::Characters: {
            QString *text = collecting == Collecting::Desc ? &desc : collecting == Collecting::Form ? &form : nullptr;
            if (!text)
                break;
            if (text->size() + xml.text().size() > longestText)
                return QStringLiteral("il file SVG ha parole troppo lunghe per essere un'immagine di Elica");
            text->append(xml.text());
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError())
        return QStringLiteral("il file SVG è danneggiato o incompleto (riga %1: %2)").arg(xml.lineNumber()).arg(xml.errorString());
    FileWords words;
    if (seenForm)
        words.machineForm = form.toUtf8();
    const qsizetype lineEnd = desc.indexOf(QLatin1Char('\n'));
    words.maker = desc.left(lineEnd);
    words.curves = lineEnd < 0 ? QString() : desc.mid(lineEnd + 1);
    return words;
}
