#pragma once
// A PDF's document information (title, subject, creator and the picture's machine form), set by
// an incremental update appended to the file: the toolkit's PDF writer has no way to give a
// subject or an entry of its own.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace PdfInfo {
// The entries' names (without the slash) and their texts.
using Info = std::vector<std::pair<const char *, QString>>;

// The document with an update whose information dictionary holds these entries; a document
// whose trailer cannot be read is returned as it is.
QByteArray withInfo(const QByteArray &pdf, const Info &info);
}
