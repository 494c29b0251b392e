#include "picture/PictureFormats.h"
#include "picture/MachineForm.h"
#include "picture/PictureFiles.h"
#include "picture/SavedFile.h"

#include <QFileInfo>

namespace {
bool isPng(const QByteArray &head)
{
    return head.startsWith("\x89PNG\r\n\x1a\n");
}

bool isPdf(const QByteArray &head)
{
    return head.startsWith("%PDF-");
}

// XML text, after a byte order mark and blanks: a declaration, a comment or an element.
bool isSvg(const QByteArray &head)
{
    QByteArray text = head.startsWith("\xEF\xBB\xBF") ? head.mid(3) : head;
    text = text.trimmed();
    return text.startsWith("<?xml") || text.startsWith("<svg") || text.startsWith("<!--");
}

using PictureFormats::Format;
const std::array<PictureFormats::Entry, 3> table = {{
    {Format::Png, "png", "PNG", "Immagine PNG (*.png)",
     {"Title", "Software", "Description", MachineForm::keywordText, nullptr},
     PictureFiles::png, isPng, FileWordsReader::png},
    // The program's name and version open the description.
    {Format::Svg, "svg", "SVG", "Disegno SVG (*.svg)",
     {"title", "desc", "desc", "picture", "https://example.org/elica/picture"},
     PictureFiles::svg, isSvg, FileWordsReader::svg},
    {Format::Pdf, "pdf", "PDF", "Documento PDF (*.pdf)",
     {"Title", "Creator", "Subject", "ElicaPicture", nullptr},
     PictureFiles::pdf, isPdf, FileWordsReader::pdf},
}};
}

const std::array<PictureFormats::Entry, 3> &PictureFormats::all()
{
    return table;
}

const PictureFormats::Entry &PictureFormats::of(Format format)
{
    for (const Entry &entry : table)
        if (entry.format == format)
            return entry;
    return table.front();
}

const PictureFormats::Entry *PictureFormats::ofPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Entry &entry : table)
        if (suffix == QLatin1String(entry.extension))
            return &entry;
    return nullptr;
}

const PictureFormats::Entry *PictureFormats::ofContent(const QByteArray &head)
{
    for (const Entry &entry : table)
        if (entry.recognises(head))
            return &entry;
    return nullptr;
}

QStringList PictureFormats::saveFilters()
{
    QStringList filters;
    for (const Entry &entry : table)
        filters << QString::fromUtf8(entry.filter);
    return filters;
}

QStringList PictureFormats::openFilters()
{
    QStringList patterns;
    for (const Entry &entry : table)
        patterns << QStringLiteral("*.") + QLatin1String(entry.extension);
    return {QStringLiteral("Immagini di Elica (%1)").arg(patterns.join(QLatin1Char(' '))), QStringLiteral("Tutti i file (*)")};
}

std::optional<QString> PictureFormats::save(const Picture &picture, const QString &path, Format format)
{
    return SavedFile::write(path, of(format).write(picture));
}
