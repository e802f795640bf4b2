#include "userdata/tagdictionary/TagTemplateCommands.h"

#include "app/CommandHost.h"
#include "editing/IEditBox.h"
#include "editing/TagInserter.h"
#include "platform/AtomicFile.h"
#include "platform/Platform.h"
#include "userdata/tagdictionary/EditTagTempBox.h"
#include "userdata/tagdictionary/TagCompletion.h"
#include "userdata/tagdictionary/TagTempBox.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>

TagTemplateCommands::TagTemplateCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    LoadTagDictionary();
    host.bind(QStringLiteral("ToolTagTemplate"), [this] { ToolTagTemplateClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("ToolEditTagTemplate"), [this] { ToolEditTagTemplateClick(); });
}

QString TagTemplateCommands::dictionaryPath() const
{
    return host_.programFolder() + QStringLiteral("Template.tag");
}

void TagTemplateCommands::LoadTagDictionary()
{
    QStringList lines;
    if (QFileInfo::exists(dictionaryPath()) && TagDictionary::load(dictionaryPath(), lines))
        dictionary_ = TagDictionary(std::move(lines));
    else
        dictionary_ = TagDictionary();
}

void TagTemplateCommands::ToolTagTemplateClick()
{
    // Ctrl+Enter can arrive while no document is open.
    if (!host_.hasDocument())
        return;
    IEditBox &box = host_.editContext().box;
    // The insertion replaces the selection, so what is typed is what stands before it.
    const int at = box.selStart();
    const int lineNo = box.lineFromPos(at);
    const QString prefix = box.line(lineNo).left(at - box.posFromLine(lineNo));
    const TagCompletion::Request request = TagCompletion::request(prefix);
    const QStringList entries = TagCompletion::entries(dictionary_, request);
    if (entries.isEmpty())
        return;

    TTagTempBox popup(entries, request.typedLength, host_.window());
    if (auto *edit = dynamic_cast<QPlainTextEdit *>(&box)) {
        // Just below the caret's line, kept on the screen.
        QTextCursor cursor(edit->document());
        cursor.setPosition(at);
        const QRect caret = edit->cursorRect(cursor);
        QPoint topLeft = edit->viewport()->mapToGlobal(caret.topLeft()) + QPoint(0, qAbs(edit->fontMetrics().height()));
        if (const QScreen *screen = edit->screen()) {
            const QRect room = screen->availableGeometry();
            const QSize size = popup.size();
            if (topLeft.y() + size.height() > room.bottom())
                topLeft.setY(topLeft.y() - size.height() - qAbs(edit->fontMetrics().height()));
            topLeft.setX(qBound(room.left(), topLeft.x(), qMax(room.left(), room.right() - size.width())));
        }
        popup.move(topLeft);
    }
    const int result = Platform::instance().execDialog(&popup);
    // Short-cuts go to the active window; hand activation back for the next Ctrl+Enter.
    host_.window()->activateWindow();
    if (result != QDialog::Accepted || !host_.hasDocument())
        return;
    if (!popup.insertion().isEmpty())
        TagInserter(host_.editContext()).InsertCasedText(popup.insertion());
}

void TagTemplateCommands::ToolEditTagTemplateClick()
{
    QStringList lines;
    QString error;
    QWidget *window = host_.window();
    const QString title = QGuiApplication::applicationDisplayName();
    if (!TagDictionary::load(dictionaryPath(), lines, &error)) {
        Platform::instance().message(window, Platform::MessageKind::Warning, title,
                                     QLatin1Char('"') + dictionaryPath() + QStringLiteral("\" を開けませんでした。\r\n") + error,
                                     Platform::Buttons::Ok);
        lines.clear();
    } else if (lines.isEmpty()) {
        Platform::instance().message(window, Platform::MessageKind::Plain, title, QStringLiteral("Template is Empty!!"),
                                     Platform::Buttons::Ok);
    }
    TEditTagTempBox box(lines, host_.programFolder(),
                        [this](QWidget *editor, const QStringList &edited) { return saveDictionary(editor, edited); }, window);
    host_.place(&box, Placement::UpperThird);
    Platform::instance().execDialog(&box);
}

bool TagTemplateCommands::saveDictionary(QWidget *parent, const QStringList &lines)
{
    const auto write = [parent](const QString &path, const QByteArray &bytes) {
        QString error;
        if (AtomicFile::write(path, bytes, &error))
            return true;
        Platform::instance().message(parent, Platform::MessageKind::Warning, QGuiApplication::applicationDisplayName(),
                                     QLatin1Char('"') + path + QStringLiteral("\" に保存できませんでした。\r\n") + error,
                                     Platform::Buttons::Ok);
        return false;
    };
    if (!dictionary_.isEmpty() && !write(dictionaryPath() + QStringLiteral(".bak"), TagDictionary::bytesOf(dictionary_.lines())))
        return false;
    if (!write(dictionaryPath(), TagDictionary::bytesOf(lines)))
        return false;
    dictionary_ = TagDictionary(lines);
    Q_EMIT host_.events().userDataChanged(UserData::TagDictionary);
    return true;
}
