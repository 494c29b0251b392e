#pragma once
// The toolkit's own modal dialogs answered from a test, step by step, as a user would answer them
// with the keyboard.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>

// Runs each step on the next modal window that comes up (a dialog, a box over it, the dialog again).
using Step = std::function<void(QWidget *)>;
inline void onDialogs(QList<Step> steps)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, steps, handled = QPointer<QWidget>(), next = 0]() mutable {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == handled)
            return;
        handled = dialog;
        // Outside this slot: a step may open a box of its own and wait for it.
        QTimer::singleShot(0, dialog, [dialog, step = steps[next++]] { step(dialog); });
        if (next == steps.size())
            poll->deleteLater();
    });
    poll->start(20);
}

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
