#pragma once
// Which screen is the program's active one, and when a screen's activation
// handler runs: each time a different screen becomes active, or a screen is
// shown. Message boxes and other windows are not screens; a screen that the
// window system activates again (after a message box closes, or on coming back
// from another application) while it already is the active screen runs nothing.

#include <QObject>
#include <QPointer>

class Screen;

class ScreenFlow : public QObject {
public:
    static ScreenFlow &instance();

    void track(Screen *screen);
    void forget(Screen *screen);

    // Makes the screen visible and active; its activation runs once, as soon as
    // the window is on screen with its size (at once when it already is).
    void show(Screen &screen);

    Screen *activeScreen() const { return m_active; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activate(Screen &screen);

    QPointer<Screen> m_active;
    QPointer<Screen> m_pending;
};
