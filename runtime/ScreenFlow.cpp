#include "runtime/ScreenFlow.h"
#include "runtime/Program.h"

#include <QEvent>
#include <QWindow>

ScreenFlow &ScreenFlow::instance()
{
    static ScreenFlow flow;
    return flow;
}

void ScreenFlow::track(QWidget *screen, bool opensMaximised, std::function<void()> activation)
{
    m_screens.insert(screen, {opensMaximised, std::move(activation)});
    screen->installEventFilter(this);
    screen->winId();
    screen->windowHandle()->installEventFilter(this);
}

void ScreenFlow::forget(QWidget *screen)
{
    m_screens.remove(screen);
    if (m_active == screen)
        m_active = nullptr;
    if (m_pending == screen)
        m_pending = nullptr;
}

void ScreenFlow::show(QWidget &screen)
{
    if (!screen.isVisible()) {
        if (m_screens.value(&screen).opensMaximised)
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

void ScreenFlow::activate(QWidget &screen)
{
    m_pending = nullptr;
    m_active = &screen;
    const std::function<void()> activation = m_screens.value(&screen).activation;
    if (activation)
        Program::handle(activation);
}

bool ScreenFlow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (m_pending && window && m_pending->windowHandle() == window && window->isExposed())
            activate(*m_pending);
    } else if (event->type() == QEvent::WindowActivate) {
        auto *screen = qobject_cast<QWidget *>(watched);
        if (screen && m_screens.contains(screen) && screen != m_pending && screen != m_active)
            activate(*screen);
    }
    return QObject::eventFilter(watched, event);
}
