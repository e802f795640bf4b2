#include "editing/CharsetDeclaration.h"

#include <QRegularExpression>

std::optional<CharsetDeclaration::Found> CharsetDeclaration::find(QStringView text)
{
    static const QRegularExpression headEnd(QStringLiteral(R"(</head\b|<body\b)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression meta(QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch end = headEnd.match(text);
    const QStringView head = end.hasMatch() ? text.first(end.capturedStart()) : text;
    const QRegularExpressionMatch m = meta.match(head);
    if (!m.hasMatch())
        return std::nullopt;
    return Found{int(m.capturedStart(1)), int(m.capturedLength(1)), m.captured(1)};
}

bool CharsetDeclaration::names(QStringView value, bool utf8)
{
    const QString v = value.toString().toLower().remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    if (utf8)
        return v == QLatin1String("utf8");
    return v == QLatin1String("shiftjis") || v == QLatin1String("sjis") || v == QLatin1String("xsjis") ||
           v == QLatin1String("windows31j") || v == QLatin1String("cp932") || v == QLatin1String("mskanji");
}
