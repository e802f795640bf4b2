#include "wizards/stylesheets/StyleCollectionSource.h"

RegistLayout StyleCollectionSource::layout() const
{
    RegistLayout l;
    l.showAdd = false;
    l.showChange = false;
    l.showHelp = false;
    l.okCaption = QStringLiteral("入力(&I)");
    l.size = QSize(400, 260);
    return l;
}

RegistVerdict StyleCollectionSource::accept()
{
    if (list().isEmpty() || !insert_ || !insert_(join(list().titles())))
        return RegistVerdict::refuse(RegistVerdict::Kind::Plain, QString());
    return {};
}

QString StyleCollectionSource::join(const QStringList &declarations)
{
    if (declarations.isEmpty())
        return QString();
    QStringList lines;
    QString line = declarations.first();
    for (qsizetype i = 1; i < declarations.size(); ++i) {
        if (line.size() > LineLength) {
            lines << line;
            line = declarations.at(i);
        } else {
            line += QLatin1Char(' ') + declarations.at(i);
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}
