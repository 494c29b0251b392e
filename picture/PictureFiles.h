#pragma once
// The picture written as a PNG (its pixels), an SVG or a PDF (vectors), each file carrying the
// picture's title, the program, the curves in words and in their exact machine form; writes are
// all or nothing.

#include <QByteArray>
#include <QString>
#include <optional>

struct Picture;

namespace PictureFiles {
enum class Format { Png, Svg, Pdf };

QByteArray png(const Picture &picture);
QByteArray svg(const Picture &picture);
QByteArray pdf(const Picture &picture);

// Replaces the file only once the whole picture is written; on failure the reason, in
// Italian, and any existing file stays as it was.
std::optional<QString> save(const Picture &picture, const QString &path, Format format);
}
