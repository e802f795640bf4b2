#include "app/FileCommands.h"

#include "app/CommandHost.h"
#include "app/DocumentManager.h"
#include "app/DocumentTabs.h"
#include "app/EditBox.h"
#include "app/SettingsKeys.h"
#include "editing/CharsetDeclaration.h"
#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/UndoSnapshot.h"
#include "platform/ProfileStore.h"

#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace {

QStringList openFilters(bool afterFirstUse)
{
    return {QStringLiteral("HTMLファイル (*.htm *.html)"),
            afterFirstUse ? QStringLiteral("テキストファイル (*.txt *.doc)") : QStringLiteral("テキストファイル (*.txt)"),
            QStringLiteral("その他 (*)")};
}

} // namespace

FileCommands::FileCommands(CommandHost &host, DocumentTabs &tabs) : QObject(host.window()), host_(host), tabs_(tabs)
{
    for (const char *name : {"FileNew", "FileNewSpeed", "PopNew"})
        host.bind(QLatin1String(name), [this] { newDocument(); });
    for (const char *name : {"FileOpen", "FileOpenSpeed", "PopOpen"})
        host.bind(QLatin1String(name), [this] { openWithDialog(); });
    for (const char *name : {"FileSave", "FileSaveSpeed", "PopSave"})
        host.bind(QLatin1String(name), [this] { save(true); });
    for (const char *name : {"FileSaveAs", "PopSaveAs"})
        host.bind(QLatin1String(name), [this] { saveAs(); });
    for (const char *name : {"FileClose", "PopClose"})
        host.bind(QLatin1String(name), [this] { closeActive(); });
    for (const char *name : {"FileAllClose", "PopCloseAll"})
        host.bind(QLatin1String(name), [this] { closeAll(); });

    using Encoding = DocumentEncoding::Encoding;
    using LineBreak = DocumentEncoding::LineBreak;
    host.bind(QStringLiteral("FileReopenSjis"), [this] { reopenAs(DocumentFile::Reading::AsShiftJis); }, CommandNeed::Document);
    host.bind(QStringLiteral("FileReopenUtf8"), [this] { reopenAs(DocumentFile::Reading::AsUtf8); }, CommandNeed::Document);
    host.bind(QStringLiteral("FileSaveSjis"), [this] { chooseEncoding(Encoding::ShiftJis); }, CommandNeed::Document);
    host.bind(QStringLiteral("FileSaveUtf8"), [this] { chooseEncoding(Encoding::Utf8); }, CommandNeed::Document);
    host.bind(QStringLiteral("FileSaveUtf8Bom"), [this] { chooseEncoding(Encoding::Utf8Bom); }, CommandNeed::Document);
    host.bind(QStringLiteral("FileCrLf"), [this] { chooseLineBreak(LineBreak::CrLf); }, CommandNeed::Document);
    host.bind(QStringLiteral("FileLf"), [this] { chooseLineBreak(LineBreak::Lf); }, CommandNeed::Document);
    if (QMenu *menu = host.menu(QStringLiteral("MenuEncoding")))
        connect(menu, &QMenu::aboutToShow, this, &FileCommands::refreshEncodingMenu);
}

// ---------------------------------------------------------------- encodings

void FileCommands::reopenAs(DocumentFile::Reading reading)
{
    if (!hasPage() || activeName() == DocumentManager::NewPage)
        return;
    // As closing asks: what is typed is not thrown away unasked.
    if (!changesSettled())
        return;
    EditBox *box = tabs_.activeBox();
    if (!tabs_.documentManager().load(box, activeName(), host_.tabSpaces(), reading))
        return;
    tabs_.invalidateUndo();
    tabs_.refreshMarks();
}

void FileCommands::chooseEncoding(DocumentEncoding::Encoding encoding)
{
    if (!hasPage())
        return;
    DocumentFile::Format format = tabs_.documentManager().format(tabs_.activeIndex());
    const bool wasUtf8 = format.encoding != DocumentEncoding::Encoding::ShiftJis;
    format.encoding = encoding;
    const bool utf8 = encoding != DocumentEncoding::Encoding::ShiftJis;
    changeFormat(format);
    if (utf8 != wasUtf8)
        offerCharsetUpdate(utf8);
}

void FileCommands::offerCharsetUpdate(bool utf8)
{
    EditContext ctx = host_.editContext();
    const QString text = ctx.box.storedText();
    const std::optional<CharsetDeclaration::Found> found = CharsetDeclaration::find(text);
    if (!found || CharsetDeclaration::names(found->value, utf8))
        return;
    const QString value = CharsetDeclaration::valueFor(utf8);
    const Platform::Answer a = Platform::instance().message(
        host_.window(), Platform::MessageKind::Information, Messages::InfoTitle,
        QStringLiteral("この文書は charset=") + found->value + QStringLiteral(" と宣言しています。\r\ncharset=") + value +
            QStringLiteral(" に書き換えますか?"),
        Platform::Buttons::YesNo);
    if (a != Platform::Answer::Yes)
        return;
    // One step of the program's undo, like every insertion.
    ctx.snapshot.take(ctx.box);
    RangeEdit::replace(ctx.box, found->start, QStringView(text).mid(found->start, found->length), value);
}

void FileCommands::chooseLineBreak(DocumentEncoding::LineBreak lineBreak)
{
    DocumentFile::Format format = tabs_.documentManager().format(tabs_.activeIndex());
    format.lineBreak = lineBreak;
    changeFormat(format);
}

void FileCommands::changeFormat(const DocumentFile::Format &format)
{
    if (hasPage() && tabs_.documentManager().format(tabs_.activeIndex()) != format) {
        tabs_.documentManager().setFormat(tabs_.activeIndex(), format);
        // Takes effect on the next save, which the mark asks for.
        tabs_.activeBox()->setModified(true);
        tabs_.refreshMarks();
    }
    refreshEncodingMenu();
}

void FileCommands::refreshEncodingMenu()
{
    using Encoding = DocumentEncoding::Encoding;
    using LineBreak = DocumentEncoding::LineBreak;
    const bool open = hasPage();
    const bool titled = open && activeName() != DocumentManager::NewPage;
    host_.setItemEnabled(QStringLiteral("FileReopenSjis"), titled);
    host_.setItemEnabled(QStringLiteral("FileReopenUtf8"), titled);
    const DocumentFile::Format format = open ? tabs_.documentManager().format(tabs_.activeIndex()) : DocumentFile::Format{};
    host_.setItemChecked(QStringLiteral("FileSaveSjis"), open && format.encoding == Encoding::ShiftJis);
    host_.setItemChecked(QStringLiteral("FileSaveUtf8"), open && format.encoding == Encoding::Utf8);
    host_.setItemChecked(QStringLiteral("FileSaveUtf8Bom"), open && format.encoding == Encoding::Utf8Bom);
    host_.setItemChecked(QStringLiteral("FileCrLf"), open && format.lineBreak == LineBreak::CrLf);
    host_.setItemChecked(QStringLiteral("FileLf"), open && format.lineBreak == LineBreak::Lf);
}

bool FileCommands::hasPage() const
{
    return tabs_.tabCount() > 0 && tabs_.activeBox();
}

QString FileCommands::activeName() const
{
    return tabs_.documentManager().nameAt(tabs_.activeIndex());
}

// ---------------------------------------------------------------- opening

void FileCommands::newDocument()
{
    openDocument(DocumentManager::NewPage);
}

DocumentFile::Reading FileCommands::reading() const
{
    return SettingsKeys::readChoice(ProfileStore(host_.settingsPath()), SettingsKeys::DetectEncoding) ? DocumentFile::Reading::Detect
                                                                                      : DocumentFile::Reading::AsShiftJis;
}

DocumentFile::Format FileCommands::newDocumentFormat() const
{
    const ProfileStore ini(host_.settingsPath());
    DocumentFile::Format format;
    format.encoding = DocumentEncoding::Encoding(SettingsKeys::readChoice(ini, SettingsKeys::NewEncoding));
    format.lineBreak = DocumentEncoding::LineBreak(SettingsKeys::readChoice(ini, SettingsKeys::NewLineBreak));
    return format;
}

void FileCommands::openDocument(const QString &name)
{
    DocumentManager &docs = tabs_.documentManager();
    const bool titled = name != DocumentManager::NewPage;
    const int index = tabs_.tabCount();
    EditBox *box = tabs_.insertPage(index, titled ? DocumentManager::fileNamePart(name) : name);
    docs.insert(docs.count(), name, box);
    tabs_.selectPageQuietly(index);

    if (!titled)
        docs.setFormat(index, newDocumentFormat());
    if (titled && !docs.load(box, name, host_.tabSpaces(), reading())) {
        // Nothing of an unreadable file stays behind.
        tabs_.removePage(index);
        if (tabs_.tabCount() > 0)
            tabs_.selectPageQuietly(std::min(index, tabs_.tabCount() - 1));
        tabs_.documentsChanged();
        return;
    }
    tabs_.documentOpened();
}

bool FileCommands::checkNotOpen(const QString &name)
{
    return tabs_.documentManager().checkNotOpen(name);
}

void FileCommands::openChecked(const QString &name)
{
    if (!checkNotOpen(name))
        return;
    Q_EMIT host_.events().openingChecked(name);
    openDocument(name);
}

void FileCommands::openStartupFiles(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        if (startupSetOpener_)
            startupSetOpener_();
        return;
    }
    for (const QString &argument : arguments) {
        // Made absolute now: a later command may change the current folder.
        const QString path = QFileInfo(argument).absoluteFilePath();
        if (shortcutFileHandler_ && path.endsWith(QLatin1String(".url")))
            shortcutFileHandler_(path);
        else
            openDocument(path);
    }
    if (tabs_.tabCount() > 0) {
        tabs_.selectPageQuietly((tabs_.activeIndex() + 1) % tabs_.tabCount());
        tabs_.pageChanged();
    }
}

void FileCommands::openHandedOver(const QStringList &files)
{
    DocumentManager &docs = tabs_.documentManager();
    int last = -1;
    for (const QString &file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (shortcutFileHandler_ && path.endsWith(QLatin1String(".url"))) {
            shortcutFileHandler_(path);
            last = tabs_.activeIndex();
            continue;
        }
        const int open = int(docs.names().indexOf(path));
        if (open >= 0) {
            last = open;
            continue;
        }
        const int before = tabs_.tabCount();
        openDocument(path);
        if (tabs_.tabCount() > before)
            last = tabs_.tabCount() - 1;
    }
    if (last >= 0 && last < tabs_.tabCount()) {
        tabs_.selectPageQuietly(last);
        tabs_.pageChanged();
    }
}

QString FileCommands::firstBrowseFolder() const
{
    if (!hasPage() || tabs_.documentManager().browsed(tabs_.activeIndex()))
        return QString();
    return DocumentManager::folderPart(activeName());
}

void FileCommands::setFirstBrowseUsed()
{
    if (hasPage())
        tabs_.documentManager().setBrowsed(tabs_.activeIndex());
}

void FileCommands::openWithDialog()
{
    if (hasPage() && !tabs_.documentManager().browsed(tabs_.activeIndex())) {
        openFolder_ = DocumentManager::folderPart(activeName());
        setFirstBrowseUsed();
    }
    const Platform::FileAnswer answer = runOpenDialog(openFolder_);
    if (answer.files.isEmpty())
        return;
    QStringList files;
    for (const QString &f : answer.files)
        files << QFileInfo(f).absoluteFilePath();
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString &f : files)
        openChecked(f);
}

Platform::FileAnswer FileCommands::runOpenDialog(const QString &folder)
{
    Platform::FileRequest request;
    request.title = QStringLiteral("ファイルを開く");
    request.folder = folder;
    request.filters = openFilters(openFilterUsed_);
    request.defaultSuffix = QStringLiteral("txt");
    const Platform::FileAnswer answer = Platform::instance().openFiles(host_.window(), request, true);
    // After every use the dialog opens where the user last was.
    openFilterUsed_ = true;
    openFolder_.clear();
    return answer;
}

// ---------------------------------------------------------------- saving

bool FileCommands::save(bool showNotice)
{
    if (!hasPage())
        return false;
    const QString name = activeName();
    if (name == DocumentManager::NewPage)
        return saveAs();
    if (!tabs_.documentManager().write(tabs_.activeBox(), name))
        return false;
    if (showNotice)
        tabs_.showSavedNotice();
    tabs_.activeBox()->setModified(false);
    tabs_.refreshMarks();
    return true;
}

bool FileCommands::saveAs()
{
    if (!hasPage())
        return false;
    DocumentManager &docs = tabs_.documentManager();
    const QString name = activeName();
    const bool untitled = name == DocumentManager::NewPage;
    const QString home = SettingsKeys::readHomeFolder(ProfileStore(host_.settingsPath()), host_.dialogFolder());
    const std::optional<QString> chosen = docs.askSaveAsName(name, home);
    if (!chosen)
        return false;
    const QString newName = *chosen;
    if (!docs.write(tabs_.activeBox(), newName))
        return false;
    const int index = tabs_.activeIndex();
    if (untitled) {
        docs.rename(index, newName);
        tabs_.activeBox()->setModified(false);
        tabs_.setPageCaption(index, DocumentManager::fileNamePart(newName));
        tabs_.refreshMarks();
        tabs_.invalidateUndo();
        return true;
    }
    // The file under its old name stays open beside the new one, in the format it was just
    // written in (detection could take a UTF-8 page without Japanese text for Shift-JIS).
    const DocumentFile::Format format = docs.format(index);
    EditBox *box = tabs_.insertPage(index + 1, DocumentManager::fileNamePart(newName));
    docs.insert(index + 1, newName, box);
    const DocumentFile::Reading as = format.encoding == DocumentEncoding::Encoding::ShiftJis ? DocumentFile::Reading::AsShiftJis
                                                                                            : DocumentFile::Reading::AsUtf8;
    if (!docs.load(box, newName, host_.tabSpaces(), as)) {
        tabs_.removePage(index + 1);
        tabs_.pageChanged();
        return true; // the file itself was written
    }
    docs.setFormat(index + 1, format);
    tabs_.selectPageQuietly(index + 1);
    tabs_.pageChanged();
    return true;
}

bool FileCommands::saveIfModified()
{
    EditBox *box = tabs_.activeBox();
    if (!box || !box->isModified())
        return true;
    const QString name = activeName();
    if (name == DocumentManager::NewPage)
        return saveAs();
    if (!tabs_.documentManager().write(box, name))
        return false;
    box->setModified(false);
    tabs_.refreshMarks();
    return true;
}

// ---------------------------------------------------------------- closing

void FileCommands::closePage(int index)
{
    if (tabs_.tabCount() == 1) {
        tabs_.removePage(index);
        tabs_.documentsChanged();
        return;
    }
    tabs_.selectPageQuietly((index + 1) % tabs_.tabCount());
    tabs_.removePage(index);
    tabs_.pageChanged();
}

void FileCommands::closeActive()
{
    if (!hasPage())
        return;
    const int index = tabs_.activeIndex();
    if (!changesSettled())
        return;
    closePage(index);
}

bool FileCommands::changesSettled()
{
    if (!tabs_.activeBox()->isModified())
        return true;
    const Platform::Answer a = tabs_.documentManager().askModified(activeName(), false, tabs_.promptCentre());
    if (a == Platform::Answer::Cancel)
        return false;
    // A cancelled or failed save keeps the tab and its text.
    return a != Platform::Answer::Yes || save(true);
}

bool FileCommands::closeWithPrompt()
{
    if (!hasPage())
        return true;
    const int index = tabs_.activeIndex();
    if (tabs_.activeBox()->isModified()) {
        const Platform::Answer a = tabs_.documentManager().askModified(activeName(), true, tabs_.promptCentre());
        if (a == Platform::Answer::Cancel)
            return false;
        if (a == Platform::Answer::Yes && !saveIfModified())
            return false;
    }
    closePage(index);
    return true;
}

bool FileCommands::closeAllForShutdown()
{
    const int n = tabs_.tabCount();
    for (int i = 0; i < n; ++i) {
        if (!closeWithPrompt())
            return false;
    }
    return true;
}

void FileCommands::closeAll()
{
    closeAllForShutdown();
    tabs_.refreshMarks();
}
