// Starts a program without waiting for it and without tying it to this one.
#include "platform/qt/QtProcessStarter.h"

#include <QProcess>
#include <QStringList>

namespace verdo {

bool QtProcessStarter::startDetached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), list);
}

}  // namespace verdo
