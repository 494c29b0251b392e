#include "view3d/ModelSave.h"
#include "keeping/LastFolder.h"
#include "files/ModelSaving.h"
#include "keeping/PictureMenu.h"
#include "runtime/Dialogs.h"

#include <QDateTime>

namespace {
using PictureFormats::Kind;
}

void ModelSave::run(QWidget &window, const PictureDocument &document)
{
    const std::vector<const PictureFormats::Entry *> formats = PictureFormats::ofKind(Kind::Model);
    const QStringList filters = PictureFormats::saveFilters(Kind::Model);
    Dialogs::ModelSize size{Model::defaultSide, Model::smallestSide, Model::largestAllowedSide};
    // A dated name like the pictures', with the extension of the first format offered.
    const std::optional<Dialogs::SaveChoice> choice = Dialogs::program().askSaveModel(
        &window, PictureMenu::suggestedPath(LastFolder::get(), QDateTime::currentDateTime(), QLatin1String(formats.front()->extension)),
        filters, size);
    if (!choice)
        return;
    const auto [path, format] = PictureFormats::chosen(choice->path, choice->filter, Kind::Model);
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
