#pragma once
// What the window tests share: the program's modal windows answered as a user would answer them,
// with what they said kept, and the screens' controls found by their design names.

#include "picture/MachineForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

// The first line of a machine form of the version after this program's.
inline QByteArray laterForm()
{
    return "elica-picture " + QByteArray::number(MachineForm::version + 1) + '\n';
}

// What is done to one modal window, once it is up.
using Step = std::function<void(QWidget *)>;

// The program's own message boxes (those without a window of their own above them) are answered
// at once, a message with its one button and a question with `answer`, and their texts kept. Every
// other modal window (a file dialog, a box over it, the dialog again once the box is gone, the
// print dialog, the animation's question) takes the next step given, in order, as it comes to the
// front.
class Answers : public QObject {
public:
    Answers()
    {
        qApp->installEventFilter(this);
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, &Answers::takeNextStep);
    }
    ~Answers() override { qApp->removeEventFilter(this); }

    void then(const QList<Step> &more)
    {
        m_steps += more;
        m_poll.start();
    }
    bool done() const { return m_steps.isEmpty(); }

    QStringList messages;
    QStringList questions;
    bool answer = false;
    // Called while each message box is up, before it is answered.
    std::function<void()> whileShown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && isProgramsBox(watched)) {
            auto *box = static_cast<QMessageBox *>(watched);
            // Outside the show: the box's own event loop runs the answer.
            QTimer::singleShot(0, box, [this, box] { answerBox(box); });
        }
        return false;
    }

private:
    static bool isProgramsBox(QObject *object)
    {
        auto *box = qobject_cast<QMessageBox *>(object);
        return box && !box->parentWidget();
    }

    void takeNextStep()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || window == m_handled || isProgramsBox(window))
            return;
        m_handled = window;
        // Outside this slot: a step may open a window of its own and wait for it.
        QTimer::singleShot(0, window, [window, step = m_steps.takeFirst()] { step(window); });
        if (m_steps.isEmpty())
            m_poll.stop();
    }

    void answerBox(QMessageBox *box)
    {
        if (whileShown)
            whileShown();
        const QList<QAbstractButton *> buttons = box->buttons();
        if (buttons.size() == 1) {
            messages << box->text();
            buttons.constFirst()->click();
            return;
        }
        questions << box->text();
        for (QAbstractButton *button : buttons)
            if (box->buttonRole(button) == (answer ? QMessageBox::YesRole : QMessageBox::NoRole))
                return button->click();
    }

    QList<Step> m_steps;
    QTimer m_poll;
    QPointer<QWidget> m_handled;
};

inline Step press(Qt::Key key)
{
    return [key](QWidget *window) { QTest::keyClick(window, key); };
}

// In the save dialog, whose name field has the focus: picks a filter, types a name (none keeps
// the one suggested), Enter.
inline Step typeName(int filter, const QString &name)
{
    return [filter, name](QWidget *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(field && types);
        QVERIFY(QTest::qWaitFor([field] { return field->hasFocus(); }, 2000));
        for (int i = 0; i < filter; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        if (!name.isEmpty())
            field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    };
}

// In the 3D model's save dialog: the model's size, then the name as typeName gives it.
inline Step saveModel(double millimetres, int filter, const QString &name)
{
    return [=](QWidget *dialog) {
        auto *size = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("modelSize"));
        QVERIFY(size);
        size->setValue(millimetres);
        typeName(filter, name)(dialog);
    };
}

// A control of a window by its name; the test fails at once if there is none.
template <class Control = QWidget>
Control *control(const QWidget &window, const char *name)
{
    Control *found = window.findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window.objectName() + window.windowTitle()));
    return found;
}
