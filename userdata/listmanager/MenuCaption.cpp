#include "userdata/listmanager/MenuCaption.h"

QString MenuCaption::entry(int number, const QString &name)
{
    return QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + name;
}

QString MenuCaption::nameOf(const QString &caption)
{
    const qsizetype space = caption.indexOf(QLatin1Char(' '));
    return space < 0 ? QString() : caption.mid(space + 1);
}
