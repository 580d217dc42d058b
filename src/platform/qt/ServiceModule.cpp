// Finding and loading a module of the program (see ServiceModule.h).
#include "platform/qt/ServiceModule.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace verdo {

namespace {

// CMake names a module "name.so" everywhere but on Windows.
#ifdef Q_OS_WIN
constexpr const char* ModuleSuffix = ".dll";
#else
constexpr const char* ModuleSuffix = ".so";
#endif

}  // namespace

ServiceModule::ServiceModule(QString name, QStringList folders)
    : name_(std::move(name)), folders_(std::move(folders)) {}

QStringList ServiceModule::programFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    // VERDO_MODULE_FOLDER: the module folder relative to the installed program's bin/.
    return {program,
            QFileInfo(program + QStringLiteral("/" VERDO_MODULE_FOLDER)).absoluteFilePath()};
}

QFunctionPointer ServiceModule::resolve(const char* symbol, std::string& error) {
    if (!library_.isLoaded()) {
        const QString file = name_ + QLatin1String(ModuleSuffix);
        QString path;
        for (const QString& folder : folders_) {
            if (QFileInfo(folder + '/' + file).isFile()) {
                path = folder + '/' + file;
                break;
            }
        }
        if (path.isEmpty()) {
            error = (file + QStringLiteral(" is missing from ") +
                     folders_.join(QStringLiteral(" and ")))
                        .toStdString();
            return nullptr;
        }
        library_.setFileName(path);
        if (!library_.load()) {
            error = library_.errorString().toStdString();
            return nullptr;
        }
    }
    QFunctionPointer function = library_.resolve(symbol);
    if (function == nullptr) error = library_.errorString().toStdString();
    return function;
}

}  // namespace verdo
