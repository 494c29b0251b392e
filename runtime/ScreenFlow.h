#pragma once
// Which screen is the program's active one, and when a screen's activation
// handler runs: each time a different screen becomes active, or a screen is
// shown. Message boxes and other windows are not screens; a screen that the
// window system activates again (after a message box closes, or on coming back
// from another application) while it already is the active screen runs nothing.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class ScreenFlow : public QObject {
public:
    static ScreenFlow &instance();

    // Follows a top-level window as a screen with its activation handler.
    void track(QWidget *screen, bool opensMaximised, std::function<void()> activation);
    void forget(QWidget *screen);

    // Makes the screen visible and active; its activation runs once, as soon as
    // the window is on screen with its size (at once when it already is).
    void show(QWidget &screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Tracked {
        bool opensMaximised;
        std::function<void()> activation;
    };

    void activate(QWidget &screen);

    QHash<QWidget *, Tracked> m_screens;
    QPointer<QWidget> m_active;
    QPointer<QWidget> m_pending;
};
