#pragma once
// Files replaced only once the new one is completely written: a failure or a cancellation leaves
// any existing file as it was, and a failure says why, in Italian.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QFileDevice;

namespace SavedFile {
// How writing a file ended: complete, cancelled, or failed for a reason.
struct Outcome {
    std::optional<QString> failure;
    bool cancelled = false;
};
// Writes the content into the file as it comes; says how it ended.
using Fill = std::function<Outcome(QFileDevice &file)>;

Outcome write(const QString &path, const Fill &fill);
std::optional<QString> write(const QString &path, const QByteArray &content);
// Why the file at path could not be opened or written.
QString reason(const QFileDevice &file, const QString &path);
}
