#include "runtime/Program.h"
#include "runtime/Failure.h"
#include "runtime/Dialogs.h"

#include <QApplication>
#include <QString>
#include <QWidget>

namespace {
bool ending = false;

Program::Terminator &terminator()
{
    static Program::Terminator instance;
    return instance;
}

void fail(const QString &name)
{
    Dialogs::program().message(QStringLiteral("Errore di esecuzione: %1").arg(name));
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
    if (terminator()) {
        terminator()(status);
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(status);
}

bool Program::isEnding()
{
    return ending;
}

void Program::setTerminator(Terminator replacement)
{
    terminator() = std::move(replacement);
}

void Program::resetEnding()
{
    ending = false;
}
