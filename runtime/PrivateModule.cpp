#include "runtime/PrivateModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <map>
#include <memory>
#include <mutex>
#include <string>

QFunctionPointer PrivateModule::resolve(const char *fileName, const char *symbol)
{
    // Asked for from the thread that saves an animation, too.
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<QLibrary>> loaded;
    const std::lock_guard lock(guard);
    std::unique_ptr<QLibrary> &module = loaded[fileName];
    if (!module) {
        module = std::make_unique<QLibrary>();
        const QDir programs(QCoreApplication::applicationDirPath());
        for (const QString &folder : {QStringLiteral("."), QStringLiteral(ELICA_MODULE_DIR)}) {
            module->setFileName(programs.filePath(folder + QLatin1Char('/') + QLatin1String(fileName)));
            if (module->load())
                break;
        }
    }
    return module->isLoaded() ? module->resolve(symbol) : nullptr;
}
