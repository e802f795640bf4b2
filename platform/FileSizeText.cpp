#include "platform/FileSizeText.h"

#include <QFileInfo>

QString FileSizeText(const QString &name)
{
    const QFileInfo info(name);
    if (!info.exists() || !info.isFile())
        return QStringLiteral("不明");
    const qint64 size = info.size();
    const qint64 unit = size <= 1048576 ? 1024 : 1048576;
    const QString unitText = size <= 1048576 ? QStringLiteral("KB") : QStringLiteral("MB");
    return QString::number(size / unit) + QLatin1Char('.') + QString::number(size % unit).left(2) + unitText;
}
