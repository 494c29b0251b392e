#pragma once
// What an animated picture file says of itself beside its frames: the picture's title, the
// program, a description (the curves, the 3D view's angles and the motion, a line each) and the
// exact machine form of the document, motion included; and the look its frames are drawn in,
// which a writer that compresses them chooses its quality by.

#include "curve/PictureDocument.h"

#include <QByteArray>
#include <QString>

struct AnimationWords {
    QString title;
    QString maker;
    QString description;
    QByteArray machineForm;
    ViewLook look = ViewLook::dots;

    static AnimationWords of(const PictureDocument &document);
};

namespace MotionWords {
// "Movimento: un giro in 2,88 s; passo da 0,5 a 2 in 4 s, avanti e indietro"
QString caption(const Motion &motion);
}
