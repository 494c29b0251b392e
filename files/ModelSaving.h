#pragma once
// A 3D model written to a file, as the view's menu and the command line both save one: the file is
// replaced only once complete, and a file of solids leaves out, and names, the curves that bound no
// volume.

#include "files/models/Model.h"
#include "files/PictureFormats.h"

#include <QStringList>
#include <optional>

namespace ModelSaving {
struct Outcome {
    // What the user is told of the curves left out: "La curva 2 è piatta: ...".
    QStringList leftOut;
    // In Italian, why nothing was written.
    std::optional<QString> failure;
};

Outcome save(const Model &model, const QString &path, PictureFormats::Format format);
}
