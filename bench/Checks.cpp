#include "bench/Checks.h"

#include <QCoreApplication>
#include <QWidget>

#include <stdexcept>

void check(bool ok, const QString &what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

void settle(QWidget *w)
{
    QCoreApplication::processEvents();
    w->repaint();
}
