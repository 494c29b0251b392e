#include "runtime/FocusFrame.h"

#include <QEvent>
#include <QFocusFrame>
#include <QWidget>

namespace {
class Follower : public QObject {
public:
    explicit Follower(QWidget *control) : QObject(control) { control->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // Made at the first focus, when the tab order is settled: a new
            // widget joins the end of its window's focus chain.
            if (!m_frame)
                m_frame = new QFocusFrame(static_cast<QWidget *>(watched)->parentWidget());
            m_frame->setWidget(static_cast<QWidget *>(watched));
            m_frame->show();
        } else if (event->type() == QEvent::FocusOut && m_frame) {
            m_frame->setWidget(nullptr);
            m_frame->hide();
        }
        return false;
    }

private:
    QFocusFrame *m_frame = nullptr;
};
}

void FocusFrame::follow(QWidget *control)
{
    new Follower(control);
}
