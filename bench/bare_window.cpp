// The yardstick for the program's start: a bare Qt window with one button,
// built the same way, so that start-up time and memory can be set beside it.
// With --once it ends as soon as the window is up, to time a whole run.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("AVANTI"));
    button.resize(200, 60);
    button.show();
    if (QApplication::arguments().contains(QStringLiteral("--once")))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
