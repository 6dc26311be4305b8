#pragma once

// Finding a window's controls by objectName in widget tests.

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace veltaro::support {

/// The child of `root` of type T named `name`. A missing one ends the test run
/// with a fatal error naming it, in every build type: a renamed control fails
/// the test instead of crashing it.
template <typename T> T* findNamed(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no %s named '%s'", T::staticMetaObject.className(), qPrintable(name));
    }
    return found;
}

} // namespace veltaro::support
