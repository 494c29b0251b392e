#pragma once
// Files replaced only once the new one is completely written: on failure the reason, in Italian,
// and any existing file stays as it was.

#include <QByteArray>
#include <QString>
#include <optional>

class QFileDevice;

namespace SavedFile {
std::optional<QString> write(const QString &path, const QByteArray &content);
// Why the file at path could not be opened or written.
QString reason(const QFileDevice &file, const QString &path);
}
