#include "files/SavedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

SavedFile::Outcome SavedFile::write(const QString &path, const Fill &fill)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {reason(file, path)};
    const Outcome outcome = fill(file);
    if (outcome.failure || outcome.cancelled)
        file.cancelWriting();
    else if (!file.commit())
        return {reason(file, path)};
    return outcome;
}

std::optional<QString> SavedFile::write(const QString &path, const QByteArray &content)
{
    return write(path, [&](QFileDevice &file) {
        return file.write(content) == content.size() ? Outcome{} : Outcome{reason(file, path)};
    }).failure;
}

QString SavedFile::reason(const QFileDevice &file, const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QStringLiteral("la cartella %1 non esiste").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("%1 non è una cartella").arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.error() == QFileDevice::PermissionsError)
        return QStringLiteral("permesso negato");
    return file.errorString();
}
