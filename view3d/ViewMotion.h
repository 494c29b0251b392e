#pragma once
// The 3D view in motion: the strip that moves one value of the curve the parameter fields
// describe, drawn over the picture like the preview, and the motion saved as an animated file in
// the background, with its progress and "Annulla" under the view. Nothing of the screens changes:
// the fields are only read, until "Usa questo valore" types the value into its field.

#include "curve/PictureDocument.h"
#include "view3d/AnimationSave.h"

#include <QObject>
#include <memory>
#include <optional>

class QBoxLayout;
class QProgressBar;
class QPushButton;
class QWidget;
class SweepStrip;
class ViewArea;

class ViewMotion : public QObject {
    Q_OBJECT
public:
    ViewMotion(QWidget &window, ViewArea &area, QBoxLayout &layout);

    // While the strip is shown, the moving curve takes the preview's place.
    bool animating() const;
    void setAnimating(bool on);
    // "anima passo: 1,25", or nothing.
    QString statusWords() const { return m_status; }
    // A motion read from a file: its sweep's settings go into the strip.
    void takeSettings(const PictureDocument &opened);
    // "Salva animazione…"
    void save();

signals:
    // The moving curve or the words about it changed.
    void changed();
    void animatingChanged(bool on);
    // One animation is saved at a time.
    void savingChanged(bool on);

private:
    // The fields' curve with the moving value in place, when the strip and the fields allow one.
    std::optional<PictureCurve> movingCurve(std::optional<double> value) const;
    void step();
    void saved(const SavedFile::Outcome &outcome);

    QWidget &m_window;
    ViewArea &m_area;
    SweepStrip *m_strip;
    QWidget *m_progressRow;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    bool m_shownBefore = false;
    QString m_status;
    std::unique_ptr<AnimationSave> m_saving;
    QString m_savingPath;
};
