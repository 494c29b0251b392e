#include "app/CommandLine.h"
#include "app/Export.h"
#include "pages/Form1.h"
#include "runtime/About.h"
#include "runtime/Single.h"
#include "view3d/View3D.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {
bool platformArgument(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}
}

int main(int argc, char *argv[])
{
    // A picture asked for on the command line is made off screen, the same with or without a
    // display, whatever platform the desktop's settings name. Without a display the toolkit still
    // takes its own options, on a platform that needs none, so that --help and --version answer
    // there too.
    const bool exporting = CommandLine::asksForExport(argc, argv);
    const bool display = platformArgument(argc, argv) || qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || hasDisplay();
    if (exporting && !platformArgument(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!display)
        qputenv("QT_QPA_PLATFORM", "minimal");
    QApplication app(argc, argv);
    QApplication::setApplicationName(About::name());
    QApplication::setApplicationVersion(About::version());
    QApplication::setDesktopFileName(QStringLiteral(ELICA_APP_ID));
    const CommandLine::Reading reading = CommandLine::read(QApplication::arguments());
    if (reading.exportRequest) {
        // Every format a picture is written or read in is built in or the program's own: the
        // toolkit need not load each image plugin it has before it writes.
        QCoreApplication::setLibraryPaths({});
        const int status = Export::run(*reading.exportRequest);
        Single::destroyAll();
        return status;
    }
    if (!reading.start)
        return reading.status;
    if (!display) {
        std::fprintf(stderr, "elica: nessuno schermo (DISPLAY e WAYLAND_DISPLAY non impostati); "
                             "per avviarlo senza schermo: xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    // The toolkit's own dialogs (saving, printing) speak Italian like the rest of the program.
    QTranslator toolkitWords;
    if (toolkitWords.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitWords);
    View3D::answerRequests();
    Single::instance<Form1>().Show();
    const int status = QApplication::exec();
    Single::destroyAll();
    return status;
}
