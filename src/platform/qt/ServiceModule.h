// ServiceModule: a part of the program kept in a loadable module of its own
// (the sockets, the sounds), so that the libraries behind it are loaded when
// it is first used rather than at every start, before the window is up. The
// module is looked for in the given folders in order; the program passes its
// own folder and the installed module folder.
#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>
#include <string>

namespace verdo {

class ServiceModule {
  public:
    // `name` is the module's file name without its suffix ("verdochat-net").
    ServiceModule(QString name, QStringList folders);

    // The program's folder, then the module folder of an installed program.
    static QStringList programFolders();

    // The function `symbol` of the module, loading it at the first call.
    // Nothing, with the reason in `error`, when it cannot be loaded.
    QFunctionPointer resolve(const char* symbol, std::string& error);

  private:
    QString name_;
    QStringList folders_;
    // Never unloaded: the objects it made use its code until the end.
    QLibrary library_;
};

}  // namespace verdo
