#pragma once
// The questions only the 3D view asks: what an animation shows moving, and the save dialog of a
// model with its size. Their limits come from their owners: the motion's pace, the model's sizes.

#include "runtime/SaveDialog.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace ViewDialogs {
// What an animation of the 3D view shows moving: a full turn of the azimuth (lasting turnSeconds),
// the animated value, or both.
struct MotionChoice {
    bool turn;
    bool value;
    double turnSeconds;
};
// Asks what moves, from the choice given, telling the length and the frames of each choice in the
// words length gives; the animated value is offered only when it moves. Nothing when the user
// cancels.
std::optional<MotionChoice> askMotion(QWidget *parent, const MotionChoice &initial, bool valueMoves,
                                      const std::function<QString(const MotionChoice &)> &length);

// The save dialog titled "Salva modello 3D", with a field for the model's largest side in
// millimetres below the file's name, starting at millimetres; on saving, millimetres holds the
// size chosen.
std::optional<SaveDialog::Choice> askSaveModel(QWidget *parent, const QString &suggested, const QStringList &filters,
                                                double &millimetres);
}
