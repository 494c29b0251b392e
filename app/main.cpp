#include "pages/Form1.h"
#include "runtime/About.h"
#include "runtime/Single.h"

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
    QApplication::setApplicationName(About::name());
    QApplication::setApplicationVersion(About::version());
    Single::instance<Form1>().Show();
    const int status = QApplication::exec();
    Single::destroyAll();
    return status;
}
