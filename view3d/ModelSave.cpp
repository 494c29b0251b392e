#include "view3d/ModelSave.h"
#include "picture/LastFolder.h"
#include "picture/ModelSaving.h"
#include "picture/PictureMenu.h"
#include "runtime/Dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
using PictureFormats::Kind;

// A dated name like the pictures', with the extension of the first format offered.
QString suggestedPath(const PictureFormats::Entry &first)
{
    const QFileInfo picture(PictureMenu::suggestedPath(LastFolder::get(), QDateTime::currentDateTime()));
    return QDir(picture.absolutePath()).filePath(picture.completeBaseName() + QLatin1Char('.') + QLatin1String(first.extension));
}
}

void ModelSave::run(QWidget &window, const PictureDocument &document)
{
    const std::vector<const PictureFormats::Entry *> formats = PictureFormats::ofKind(Kind::Model);
    const QStringList filters = PictureFormats::saveFilters(Kind::Model);
    Dialogs::ModelSize size{Model::defaultSide, Model::smallestSide, Model::largestAllowedSide};
    const std::optional<Dialogs::SaveChoice> choice =
        Dialogs::program().askSaveModel(&window, suggestedPath(*formats.front()), filters, size);
    if (!choice)
        return;
    QString path = choice->path;
    const PictureFormats::Entry *format = PictureFormats::ofPath(path, Kind::Model);
    if (!format) {
        format = formats.at(std::size_t(std::clamp(choice->filter, 0, int(formats.size()) - 1)));
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + QLatin1String(format->extension);
    }
    const ModelSaving::Outcome saved = ModelSaving::save(Model(document, size.millimetres), path, format->format);
    // Why nothing was written comes first; the curves left out say why a model of solids is empty.
    QStringList told = saved.leftOut;
    if (saved.failure)
        told.prepend(PictureFormats::failedSave(Kind::Model, path, *saved.failure));
    else
        LastFolder::rememberOf(path);
    if (!told.isEmpty())
        Dialogs::program().message(told.join(QLatin1Char('\n')));
}
