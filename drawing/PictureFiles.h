#pragma once
// The picture written as a PNG (the surface's pixels), an SVG or a PDF (vectors), each file
// carrying the picture's title, the program and the curves; writes are all or nothing.

#include <QByteArray>
#include <QString>
#include <optional>

class Surface;

namespace PictureFiles {
enum class Format { Png, Svg, Pdf };

// The format a file name's extension names, if it names one of the three.
std::optional<Format> formatOf(const QString &path);
QString extension(Format format);

QByteArray png(const Surface &surface);
QByteArray svg(const Surface &surface);
QByteArray pdf(const Surface &surface);
QByteArray bytes(const Surface &surface, Format format);

// Replaces the file only once the whole picture is written; on failure the reason, in
// Italian, and any existing file stays as it was.
std::optional<QString> save(const Surface &surface, const QString &path, Format format);
}
