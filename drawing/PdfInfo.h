#pragma once
// A PDF's document information (title, subject, creator), set by an incremental update
// appended to the file: the toolkit's PDF writer has no way to give a subject.

#include <QByteArray>
#include <QString>

namespace PdfInfo {
struct Info {
    QString title;
    QString subject;
    QString creator;
};

// The document with an update whose information dictionary holds these entries; a document
// whose trailer cannot be read is returned as it is.
QByteArray withInfo(const QByteArray &pdf, const Info &info);
}
