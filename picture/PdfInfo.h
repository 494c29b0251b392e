#pragma once
// A PDF's document information (title, subject, creator and the picture's machine form), set by
// an incremental update appended to the file: the toolkit's PDF writer has no way to give a
// subject or an entry of its own.

#include <QByteArray>
#include <QString>

namespace PdfInfo {
struct Info {
    QString title;
    QString subject;
    QString creator;
    QString machineForm;
};

// The document with an update whose information dictionary holds these entries; a document
// whose trailer cannot be read is returned as it is.
QByteArray withInfo(const QByteArray &pdf, const Info &info);
}
