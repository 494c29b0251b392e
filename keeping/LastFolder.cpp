#include "keeping/LastFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString &last()
{
    static QString folder;
    return folder;
}
}

QString LastFolder::get()
{
    if (!last().isEmpty() && QFileInfo(last()).isDir())
        return last();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

void LastFolder::rememberOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        last() = folder;
}
