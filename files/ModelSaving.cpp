#include "files/ModelSaving.h"
#include "files/SavedFile.h"

ModelSaving::Outcome ModelSaving::save(const Model &model, const QString &path, PictureFormats::Format format)
{
    Outcome outcome;
    if (!model.measurable()) {
        outcome.failure = ModelNotice::beyondMeasure();
        return outcome;
    }
    // Only the STL holds solids alone: the other formats keep a flat curve's dots.
    if (format == PictureFormats::Format::Stl) {
        for (int curve : model.flatCurves())
            outcome.leftOut << ModelNotice::flatCurve(curve);
        if (!model.hasSolid()) {
            outcome.failure = ModelNotice::noSolid();
            return outcome;
        }
    }
    outcome.failure = SavedFile::write(path, PictureFormats::of(format).write(model));
    return outcome;
}
