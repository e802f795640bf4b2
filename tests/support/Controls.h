#pragma once

#include <QWidget>

// A named control of a dialog or window; a missing one stops the test with its name
// instead of crashing on a null pointer.
template <typename T>
T *child(QWidget *d, const char *name)
{
    T *w = d->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}
