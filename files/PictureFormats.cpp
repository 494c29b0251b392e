#include "files/PictureFormats.h"
#include "files/motion/GifFile.h"
#include "picture/MachineForm.h"
#include "files/models/ModelFiles.h"
#include "files/still/StillFiles.h"
#include "files/SavedFile.h"
#include "files/motion/VideoFile.h"
#include "files/motion/WebpFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
// A GIF keeps its words by their place among its comments, and the machine form by its first word.
// Neither a GIF nor a WebP pads its frames; a video does not loop.
std::unique_ptr<AnimationWriter> gifWriter(QIODevice &out, QSize size, const AnimationWords &words, bool loops, QRgb,
                                           const WordKeys &)
{
    return GifFile::writer(out, size, words, loops);
}

std::unique_ptr<AnimationWriter> webpWriter(QIODevice &out, QSize size, const AnimationWords &words, bool loops, QRgb,
                                            const WordKeys &keys)
{
    return WebpFile::writer(out, size, words, loops, keys);
}

std::unique_ptr<AnimationWriter> mp4Writer(QIODevice &out, QSize size, const AnimationWords &words, bool, QRgb background,
                                           const WordKeys &keys)
{
    return VideoFile::mp4Writer(out, size, words, background, keys);
}

std::unique_ptr<AnimationWriter> webmWriter(QIODevice &out, QSize size, const AnimationWords &words, bool, QRgb background,
                                            const WordKeys &keys)
{
    return VideoFile::webmWriter(out, size, words, background, keys);
}

WordsReading gifWords(QIODevice &device, const WordKeys &)
{
    return GifFile::words(device);
}

using PictureFormats::Format;
using PictureFormats::Kind;
const std::array<PictureFormats::Entry, 10> table = {{
    {Format::Png, "png", "PNG", "Immagine PNG (*.png)", Kind::Picture,
     {"Title", "Software", "Description", MachineForm::keywordText, nullptr},
     StillFiles::png, nullptr, nullptr, StillFiles::isPng, StillFiles::pngWords},
    // The program's name and version open the description.
    {Format::Svg, "svg", "SVG", "Disegno SVG (*.svg)", Kind::Picture,
     {"title", "desc", "desc", "picture", "https://example.org/elica/picture"},
     StillFiles::svg, nullptr, nullptr, StillFiles::isSvg, StillFiles::svgWords},
    {Format::Pdf, "pdf", "PDF", "Documento PDF (*.pdf)", Kind::Picture,
     {"Title", "Creator", "Subject", "ElicaPicture", nullptr},
     StillFiles::pdf, nullptr, nullptr, StillFiles::isPdf, StillFiles::pdfWords},
    {Format::Gif, "gif", "GIF", "Animazione GIF (*.gif)", Kind::Animation,
     {nullptr, nullptr, nullptr, nullptr, nullptr},
     nullptr, gifWriter, nullptr, GifFile::isGif, gifWords},
    // XMP: Dublin Core's title and description, XMP's creator tool, the form in a namespace of ours.
    {Format::Webp, "webp", "WebP", "Animazione WebP (*.webp)", Kind::Animation,
     {"title", "CreatorTool", "description", "picture", "https://example.org/elica/picture"},
     nullptr, webpWriter, nullptr, WebpFile::isWebp, WebpFile::words},
    // Tags of any name in an MP4 (QuickTime's own for the title, the program and the description);
    // a WebM's global tags in capitals, as Matroska writes them, the program under SOFTWARE since
    // FFmpeg keeps ENCODER for itself.
    {Format::Mp4, "mp4", "MP4", "Video MP4 (*.mp4)", Kind::Animation,
     {"com.apple.quicktime.title", "com.apple.quicktime.software", "com.apple.quicktime.description", "org.example.elica.picture",
      nullptr},
     nullptr, mp4Writer, nullptr, VideoFile::isMp4, VideoFile::mp4Words},
    {Format::Webm, "webm", "WebM", "Video WebM (*.webm)", Kind::Animation,
     {"TITLE", "SOFTWARE", "DESCRIPTION", "ELICA_PICTURE", nullptr},
     nullptr, webmWriter, nullptr, VideoFile::isWebm, VideoFile::webmWords},
    // An STL has no mark of its own and no room for words.
    {Format::Stl, "stl", "STL", "Modello STL per la stampa 3D (*.stl)", Kind::Model,
     {nullptr, nullptr, nullptr, nullptr, nullptr},
     nullptr, nullptr, ModelFiles::stl, nullptr, ModelFiles::readStl},
    // In a GLB's asset extras and a PLY's comments.
    {Format::Glb, "glb", "GLB", "Modello glTF binario (*.glb)", Kind::Model,
     {"title", "maker", "description", MachineForm::keywordText, nullptr},
     nullptr, nullptr, ModelFiles::glb, ModelFiles::isGlb, ModelFiles::readGlb},
    {Format::Ply, "ply", "PLY", "Nuvola di punti PLY (*.ply)", Kind::Model,
     {"title", "maker", "description", MachineForm::keywordText, nullptr},
     nullptr, nullptr, ModelFiles::ply, ModelFiles::isPly, ModelFiles::readPly},
}};
}

const std::array<PictureFormats::Entry, 10> &PictureFormats::all()
{
    return table;
}

std::vector<const PictureFormats::Entry *> PictureFormats::ofKind(Kind kind)
{
    std::vector<const Entry *> entries;
    for (const Entry &entry : table)
        if (entry.kind == kind)
            entries.push_back(&entry);
    return entries;
}

const PictureFormats::Entry &PictureFormats::of(Format format)
{
    for (const Entry &entry : table)
        if (entry.format == format)
            return entry;
    return table.front();
}

const PictureFormats::Entry *PictureFormats::ofPath(const QString &path, std::optional<Kind> kind)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Entry &entry : table)
        if (suffix == QLatin1String(entry.extension) && (!kind || entry.kind == *kind))
            return &entry;
    return nullptr;
}

const PictureFormats::Entry *PictureFormats::ofContent(const QByteArray &head)
{
    for (const Entry &entry : table)
        if (entry.recognises && entry.recognises(head))
            return &entry;
    return nullptr;
}

QStringList PictureFormats::saveFilters(Kind kind)
{
    QStringList filters;
    for (const Entry *entry : ofKind(kind))
        filters << QString::fromUtf8(entry->filter);
    return filters;
}

PictureFormats::Chosen PictureFormats::chosen(const QString &path, int filter, Kind kind)
{
    if (const Entry *named = ofPath(path, kind))
        return {path, named};
    const std::vector<const Entry *> entries = ofKind(kind);
    const Entry *filtered = entries.at(std::size_t(std::clamp(filter, 0, int(entries.size()) - 1)));
    return {QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + QLatin1String(filtered->extension) : path, filtered};
}

QStringList PictureFormats::openFilters()
{
    QStringList patterns;
    for (const Entry &entry : table)
        if (entry.recognises)
            patterns << QStringLiteral("*.") + QLatin1String(entry.extension);
    return {QStringLiteral("Immagini di Elica (%1)").arg(patterns.join(QLatin1Char(' '))), QStringLiteral("Tutti i file (*)")};
}

QString PictureFormats::failedSave(Kind kind, const QString &path, const QString &reason)
{
    const QString what = kind == Kind::Picture ? QStringLiteral("l'immagine")
        : kind == Kind::Animation              ? QStringLiteral("l'animazione")
                                               : QStringLiteral("il modello");
    return QStringLiteral("Impossibile salvare %1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason);
}

std::optional<QString> PictureFormats::save(const Picture &picture, const QString &path, Format format)
{
    return SavedFile::write(path, of(format).write(picture));
}
