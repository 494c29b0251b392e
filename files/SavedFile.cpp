#include "files/SavedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QString> SavedFile::write(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reason(file, path);
    if (file.write(content) != content.size() || !file.commit())
        return reason(file, path);
    return std::nullopt;
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
