#include "app/Forms.h"
#include "docs/Form1.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {
bool hasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}
}

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "elica: nessuno schermo (DISPLAY e WAYLAND_DISPLAY non impostati); "
                             "per avviarlo senza schermo: xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Elica"));
    Forms::form1().Show();
    const int status = QApplication::exec();
    Forms::destroyAll();
    return status;
}
