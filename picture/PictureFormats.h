#pragma once
// The program's file formats in one table, in the order the save dialogs offer them: extension,
// the dialog's filter, what the file holds and how it is written, how a file is known by its first
// bytes, how its words are read back, and the names under which it keeps them.

#include "picture/FileWords.h"

#include <QStringList>
#include <array>
#include <optional>

struct Picture;

namespace PictureFormats {
enum class Format { Png, Svg, Pdf };

struct Entry {
    Format format;
    const char *extension;
    // As messages name the format: "PNG".
    const char *name;
    const char *filter;
    WordKeys keys;
    QByteArray (*writer)(const Picture &picture, const WordKeys &keys);
    bool (*recognises)(const QByteArray &head);
    WordsReading (*reader)(QIODevice &device, const WordKeys &keys);

    QByteArray write(const Picture &picture) const { return writer(picture, keys); }
    WordsReading read(QIODevice &device) const { return reader(device, keys); }
};

const std::array<Entry, 3> &all();
const Entry &of(Format format);
// The format a file name's extension names, if it is one of the table's.
const Entry *ofPath(const QString &path);
// The format that a file's first bytes show, if any.
const Entry *ofContent(const QByteArray &head);

// The save dialog's filters, one per format.
QStringList saveFilters();
// The open dialog's: every format at once, then any file.
QStringList openFilters();

// The picture written in the format to path, replacing the file only once it is complete; on
// failure the reason, in Italian.
std::optional<QString> save(const Picture &picture, const QString &path, Format format);
}
