#pragma once
// A screen's drawing surface as a screen reader finds it: an unseen graphic
// under the controls, covering the client area, named and described by the
// screen as its picture changes. It takes neither clicks nor the focus.

#include <QWidget>

class SurfaceFigure : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceFigure(QWidget *screen);
};
