#include "runtime/Program.h"
#include "runtime/Failure.h"
#include "runtime/Dialogs.h"

#include <QApplication>
#include <QString>
#include <QWidget>

namespace {
bool ending = false;

void fail(const QString &name)
{
    Dialogs::message(QStringLiteral("Errore di esecuzione: %1").arg(name));
    Program::end(1);
}
}

void Program::handle(const std::function<void()> &handler)
{
    if (ending)
        return;
    try {
        handler();
    } catch (const Failure &failure) {
        fail(failure.name());
    } catch (const std::exception &error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
}

void Program::end(int status)
{
    if (ending)
        return;
    ending = true;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(status);
}
