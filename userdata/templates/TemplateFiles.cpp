#include "userdata/templates/TemplateFiles.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932Codec.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool failWith(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
    return false;
}

bool encodes(const QString &text, QByteArray &bytes)
{
    int unencodable = 0;
    bytes = Cp932Codec::encode(text, &unencodable, Cp932Codec::LineBreaks::CrLf);
    return unencodable == 0;
}

} // namespace

QString TemplateFiles::templatePath(const QString &title) const
{
    const QString exact = folder_ + title;
    if (title.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names) {
        if (name.compare(title, Qt::CaseInsensitive) == 0 && name.compare(listName(), Qt::CaseInsensitive) != 0)
            return folder_ + name;
    }
    return exact;
}

QStringList TemplateFiles::linesOf(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(Cp932Codec::decode(QByteArrayView(bytes).sliced(start, i - start)));
        if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(Cp932Codec::decode(QByteArrayView(bytes).sliced(start)));
    return lines;
}

QByteArray TemplateFiles::bytesOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += Cp932Codec::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList TemplateFiles::titles() const
{
    QByteArray bytes;
    if (!QFileInfo::exists(listPath()) || !AtomicFile::readAll(listPath(), bytes))
        return {};
    return linesOf(bytes);
}

bool TemplateFiles::writeTitles(const QStringList &titles, QString *error) const
{
    QByteArray bytes;
    for (const QString &t : titles) {
        // A title read from the list can always go back; a line break would split it.
        QByteArray line;
        if (!encodes(t, line) || line.contains('\n') || line.contains('\r'))
            return failWith(error, listPath(), QStringLiteral("タイトル \"") + t + QStringLiteral("\" は保存できません。"));
        bytes += line + "\r\n";
    }
    QString reason;
    if (!AtomicFile::write(listPath(), bytes, &reason))
        return failWith(error, listPath(), reason);
    return true;
}

bool TemplateFiles::appendTitle(const QString &title, QString *error) const
{
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        return failWith(error, listPath(), problem);
    QByteArray bytes;
    QString reason;
    if (QFileInfo::exists(listPath()) && !AtomicFile::readAll(listPath(), bytes, &reason))
        return failWith(error, listPath(), reason);
    // A last line without its line end is ended first, or the title would join it.
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    bytes += bytesOf({title});
    if (!AtomicFile::write(listPath(), bytes, &reason))
        return failWith(error, listPath(), reason);
    return true;
}

bool TemplateFiles::readTemplate(const QString &title, QString &text) const
{
    if (!titleProblem(title).isEmpty())
        return false;
    const QFileInfo info(templatePath(title));
    QByteArray bytes;
    if (!info.isFile() || !AtomicFile::readAll(info.filePath(), bytes))
        return false;
    text = linesOf(bytes).join(QLatin1Char('\n'));
    // A last line ended by a line break keeps it.
    if (bytes.endsWith('\n') || bytes.endsWith('\r'))
        text += QLatin1Char('\n');
    return true;
}

bool TemplateFiles::writeTemplate(const QString &title, const QString &text, QString *error) const
{
    const QString path = templatePath(title);
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        return failWith(error, path, problem);
    QByteArray bytes;
    if (!text.isEmpty()) {
        if (!encodes(text, bytes))
            return failWith(error, path, textProblem(text));
        // Every line ends in CR LF, the last one too.
        if (!text.endsWith(QLatin1Char('\n')))
            bytes += "\r\n";
    }
    QString reason;
    if (!AtomicFile::write(path, bytes, &reason))
        return failWith(error, path, reason);
    return true;
}

QString TemplateFiles::textProblem(const QString &text)
{
    QByteArray bytes;
    return encodes(text, bytes) ? QString() : QStringLiteral("Shift-JIS で保存できない文字が含まれています。");
}

QString TemplateFiles::titleProblem(const QString &title)
{
    if (title.isEmpty())
        return QStringLiteral("タイトルがありません。");
    for (const QChar c : title) {
        const char16_t u = c.unicode();
        if (u == '/' || u < 0x20 || u == 0x2028 || u == 0x2029)
            return QStringLiteral("タイトルに \"/\" や改行などの文字は使えません。");
    }
    if (title == QLatin1String(".") || title == QLatin1String(".."))
        return QStringLiteral("\".\" と \"..\" はタイトルに使えません。");
    if (title.compare(listName(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"Title.lst\" はタイトルに使えません。");
    QByteArray bytes;
    if (!encodes(title, bytes) || Cp932Codec::decode(bytes) != title)
        return QStringLiteral("タイトルに Shift-JIS で保存できない文字が含まれています。");
    return QString();
}
