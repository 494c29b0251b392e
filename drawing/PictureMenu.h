#pragma once
// The drawing screen's picture menu: save, copy and print the picture. It opens on a right
// click outside the buttons, the Menu key or Shift+F10; Ctrl+S, Ctrl+C and Ctrl+P work while
// the screen is the active window, whatever control has the focus.

#include <QObject>
#include <QPoint>

class QDateTime;
class QMenu;
class Screen;

class PictureMenu : public QObject {
    Q_OBJECT
public:
    explicit PictureMenu(Screen &screen);

    void save();
    void copy();
    void print();

    QMenu *menu() const { return m_menu; }

    // elica-2026-12-07-143005.png in the user's pictures folder, or home if there is none.
    static QString suggestedPath(const QDateTime &now);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(QPoint global);
    QPoint keyboardPlace() const;

    Screen &m_screen;
    QMenu *m_menu;
};
