#pragma once
// A screen of the program: a top-level window whose client area is a drawing
// surface under its controls, laid out in twips, with an activation handler.

#include "runtime/Surface.h"

#include <QWidget>
#include <functional>

class QAbstractButton;
class SurfaceFigure;

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(const QString &caption, QSize clientTwips, bool opensMaximised);
    ~Screen() override;

    Surface &surface() { return m_surface; }
    bool opensMaximised() const { return m_opensMaximised; }

    // Shows the screen modeless (or only activates it when already visible).
    void Show();

    // Runs each time the screen becomes the program's active screen.
    virtual void Form_Activate() {}

    // What a screen reader says of the picture on the surface; the surface has
    // no such voice until a screen first describes it.
    void describeSurface(const QString &name, const QString &description);

protected:
    // Places a control at a design position in twips, relative to its parent, under its design
    // name ("Command1"), by which it can be found.
    static void place(QWidget *control, const char *name, int left, int top, int width, int height);
    // Connects a button's click to a handler of the program.
    void onClick(QAbstractButton *button, std::function<void()> handler);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Surface m_surface;
    SurfaceFigure *m_figure = nullptr;
    bool m_opensMaximised;
};
