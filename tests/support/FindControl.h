#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace fixture {

// A control of a window by its name; a test that names a control the window lacks stops.
template <typename T = QWidget> T* Find(const QObject& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace fixture
