#include "app/ShortcutLink.h"

#include "app/CommandHost.h"
#include "editing/IEditBox.h"
#include "editing/AsciiCase.h"
#include "platform/AtomicFile.h"
#include "platform/Cp932Codec.h"
#include "platform/Platform.h"

#include <QFileInfo>

ShortcutLink::ShortcutLink(CommandHost &host) : QObject(host.window())
{
}

std::optional<QString> ShortcutLink::addressIn(const QByteArray &bytes)
{
    const QString text = Cp932Codec::decode(bytes);
    const QLatin1String prefix("URL=");
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start <= n) {
        // A line ends at CR LF, a lone CR or a lone LF.
        qsizetype end = start;
        while (end < n && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        if (line.startsWith(prefix)) // case-sensitive: "url=" is no address line
            return line.mid(prefix.size()).toString();
        if (end >= n)
            break;
        start = end + 1;
        if (text.at(end) == QLatin1Char('\r') && start < n && text.at(start) == QLatin1Char('\n'))
            ++start;
    }
    return std::nullopt;
}

QString ShortcutLink::titleOf(const QString &file)
{
    const QString name = QFileInfo(file).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString ShortcutLink::linkText(const QString &address, const QString &title, int tagCase)
{
    return AsciiCase::forSetting(u"<A HREF=\"", tagCase) + address + QStringLiteral("\">") + title +
           AsciiCase::forSetting(u"</A>", tagCase) + QLatin1Char('\n');
}

bool ShortcutLink::InsertShortcutLink(CommandHost &host, const QString &file)
{
    QByteArray bytes;
    QString error;
    if (!AtomicFile::readAll(file, bytes, &error)) {
        Platform::instance().message(host.window(), Platform::MessageKind::Warning, Messages::AppTitle,
                                     QStringLiteral("\"") + file + QStringLiteral("\" を開けませんでした。\r\n") + error,
                                     Platform::Buttons::Ok);
        return false;
    }
    const std::optional<QString> address = addressIn(bytes);
    // Read before a page is made for it, so a shortcut without an address leaves nothing behind.
    if (!address)
        return true;
    if (!host.hasDocument())
        host.openDocument(CommandHost::untitledName());
    if (!host.hasDocument())
        return true;
    IEditBox *box = host.documentBox(host.activeDocumentIndex());
    // No snapshot: the box's modified flag records the change.
    box->beginUpdate();
    box->replaceRange(box->selStart(), box->selLength(), linkText(*address, titleOf(file), host.tagCase()));
    box->endUpdate();
    return true;
}
