// The yardstick for the program's start: a bare Qt window with one button,
// built the same way, so that start-up time and memory can be set beside it.
#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("AVANTI"));
    button.resize(200, 60);
    button.show();
    return QApplication::exec();
}
