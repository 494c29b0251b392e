#pragma once
// The picture's file formats in one table, in the order the save dialog offers them: extension,
// the dialog's filter, how a picture is written, how a file is known by its first bytes and how
// its words are read back.

#include "picture/FileWords.h"
#include "picture/PictureFiles.h"

#include <QStringList>
#include <array>

namespace PictureFormats {
struct Entry {
    PictureFiles::Format format;
    const char *extension;
    // As messages name the format: "PNG".
    const char *name;
    const char *filter;
    QByteArray (*write)(const Picture &picture);
    bool (*recognises)(const QByteArray &head);
    WordsReading (*read)(QIODevice &device);
};

const std::array<Entry, 3> &all();
const Entry &of(PictureFiles::Format format);
// The format a file name's extension names, if it is one of the three.
const Entry *ofPath(const QString &path);
// The format that a file's first bytes show, if any.
const Entry *ofContent(const QByteArray &head);

// The save dialog's filters, one per format.
QStringList saveFilters();
// The open dialog's: every format at once, then any file.
QStringList openFilters();
}
