#pragma once
// The 3D view: a window of its own, not one of the program's screens, that shows the drawing
// screen's picture as the curves' model points seen from any side, with the curve that the
// parameter fields describe while they are being changed. It follows the picture news; its menu
// keeps and opens pictures like the drawing screen's, with the view's angles in the files, and
// saves the curves as a 3D model.

#include "keeping/PictureHost.h"
#include "runtime/MarkRecord.h"

#include <QWidget>

class PictureMenu;
class QAction;
class QLabel;
class ViewArea;
class ViewMotion;

class View3D : public QWidget, public PictureHost {
    Q_OBJECT
public:
    View3D();

    // From now on a wish to see the picture in 3D shows the view.
    static void answerRequests();

    Picture picture() override;

protected:
    // A hidden view does not go on turning.
    void hideEvent(QHideEvent *event) override;

private:
    // Shows the view in front, the first time on two thirds of the screen, later as it was left.
    void present();
    void followCurves();
    void followPreview();
    void takeOpened(const PictureDocument &document);
    QString statusLine() const;
    void showStatus();
    void describe();
    void addViewEntries();
    void addLookEntries();

    ViewArea *m_area;
    QLabel *m_status;
    PictureMenu *m_menu;
    ViewMotion *m_motion;
    QAction *m_legend = nullptr;
    bool m_placed = false;
    // The marks of the last picture taken for a file, kept while the file is written.
    MarkRecord m_marks;
};
