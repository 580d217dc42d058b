// Tests reach a window's controls by object name, the way a person finds them
// by their place on the screen, so windows keep their widgets private. Asking
// for a control that is not there fails the test with the name it looked for.
#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace verdo::testing {

template <class T>
T* named(const QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    if (found == nullptr)
        throw std::logic_error("no " + std::string(T::staticMetaObject.className()) + " named " +
                               name.toStdString() + " under " + root.objectName().toStdString());
    return found;
}

}  // namespace verdo::testing
