#pragma once
// A window's picture menu: open a picture file, save, copy and print the picture, and whatever the
// window adds. It opens on a right click outside the buttons, the Menu key or Shift+F10; its
// shortcuts work while the window is active, whatever control has the focus. A file dropped on
// the window opens as from the menu.

#include <QObject>
#include <QPoint>
#include <functional>

class PictureHost;
class QAction;
class QKeySequence;
class QMenu;
class QWidget;

class PictureMenu : public QObject {
    Q_OBJECT
public:
    PictureMenu(QWidget &window, PictureHost &host);

    void open();
    void save();
    void copy();
    void print();

    // An entry of the window's own, with its shortcut, run as a handler of the program.
    QAction *addEntry(const QString &text, const QKeySequence &keys, std::function<void()> action);
    QMenu *menu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Opens a file as the menu's "Apri immagine…" does once a file is chosen: a reason if it
    // cannot, the question if the picture holds curves, then the file's picture.
    void openPath(const QString &path);
    void popup(QPoint global);
    QPoint keyboardPlace() const;

    QWidget &m_window;
    PictureHost &m_host;
    QMenu *m_menu;
};
