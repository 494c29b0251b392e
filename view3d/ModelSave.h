#pragma once
// The 3D view's "Salva modello 3D…": the picture's curves, with the angles they are seen from, as a
// model file of the format and the size the user chooses.

#include "curve/PictureDocument.h"

class QWidget;

namespace ModelSave {
// Asks for the file and the size and writes the model; tells in one message the curves left out
// of it, or why nothing was written. The picture, the fields and the view stay as they are.
void run(QWidget &window, const PictureDocument &document);
}
