#include "view3d/ModelSave.h"
#include "files/ModelSaving.h"
#include "keeping/SaveFlow.h"
#include "view3d/ViewDialogs.h"

void ModelSave::run(QWidget &window, const PictureDocument &document)
{
    double millimetres = Model::defaultSide;
    const auto ask = [&](const QString &suggested, const QStringList &filters) {
        return ViewDialogs::askSaveModel(&window, suggested, filters, millimetres);
    };
    SaveFlow::run(PictureFormats::Kind::Model, ask, [&](const SaveFlow::Target &target) {
        const ModelSaving::Outcome saved = ModelSaving::save(Model(document, millimetres), target.path, target.format->format);
        return SaveFlow::Written{{saved.failure}, saved.leftOut};
    });
}
