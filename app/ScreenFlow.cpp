#include "app/ScreenFlow.h"
#include "app/Program.h"
#include "app/Screen.h"

#include <QEvent>
#include <QWindow>

ScreenFlow &ScreenFlow::instance()
{
    static ScreenFlow flow;
    return flow;
}

void ScreenFlow::track(Screen *screen)
{
    screen->installEventFilter(this);
    screen->winId();
    screen->windowHandle()->installEventFilter(this);
}

void ScreenFlow::forget(Screen *screen)
{
    if (m_active == screen)
        m_active = nullptr;
    if (m_pending == screen)
        m_pending = nullptr;
}

void ScreenFlow::show(Screen &screen)
{
    if (!screen.isVisible()) {
        if (screen.opensMaximised())
            screen.showMaximized();
        else
            screen.show();
    }
    screen.raise();
    screen.activateWindow();
    if (screen.windowHandle()->isExposed())
        activate(screen);
    else
        m_pending = &screen;
}

void ScreenFlow::activate(Screen &screen)
{
    m_pending = nullptr;
    m_active = &screen;
    Program::handle([&screen] { screen.Form_Activate(); });
}

bool ScreenFlow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (m_pending && window && m_pending->windowHandle() == window && window->isExposed())
            activate(*m_pending);
    } else if (event->type() == QEvent::WindowActivate) {
        Screen *screen = qobject_cast<Screen *>(watched);
        if (screen && screen != m_pending && screen != m_active)
            activate(*screen);
    }
    return QObject::eventFilter(watched, event);
}
