#include "app/DocumentManager.h"

#include "app/DocumentFile.h"
#include "app/EditBox.h"

#include <QFileInfo>
#include <QWidget>

namespace {
QStringList saveFilters()
{
    return {QStringLiteral("HTMLファイル (*.html *.htm)"), QStringLiteral("テキストファイル (*.txt)"),
            QStringLiteral("その他 (*)")};
}
} // namespace

DocumentManager::DocumentManager(QWidget *window, std::function<void(const QString &)> showInfo)
    : QObject(window), window_(window), showInfo_(std::move(showInfo))
{
}

QString DocumentManager::fileNamePart(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? name : name.mid(slash + 1);
}

QString DocumentManager::folderPart(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : name.left(slash + 1);
}

QString DocumentManager::nameAt(int index) const
{
    return index >= 0 && index < docs_.size() ? docs_.at(index).name : QString();
}

EditBox *DocumentManager::boxAt(int index) const
{
    return index >= 0 && index < docs_.size() ? docs_.at(index).box : nullptr;
}

QStringList DocumentManager::names() const
{
    QStringList out;
    out.reserve(docs_.size());
    for (const Document &d : docs_)
        out << d.name;
    return out;
}

bool DocumentManager::contains(const QString &name) const
{
    return std::any_of(docs_.cbegin(), docs_.cend(), [&](const Document &d) { return d.name == name; });
}

int DocumentManager::indexOf(const QObject *box) const
{
    for (int i = 0; i < docs_.size(); ++i) {
        if (docs_.at(i).box == box)
            return i;
    }
    return -1;
}

void DocumentManager::insert(int index, const QString &name, EditBox *box)
{
    docs_.insert(std::clamp(index, 0, count()), Document{name, box, false, {}});
}

void DocumentManager::removeAt(int index)
{
    if (index >= 0 && index < docs_.size())
        docs_.removeAt(index);
}

void DocumentManager::rename(int index, const QString &name)
{
    if (index >= 0 && index < docs_.size())
        docs_[index].name = name;
}

bool DocumentManager::browsed(int index) const
{
    return index >= 0 && index < docs_.size() && docs_.at(index).browsed;
}

void DocumentManager::setBrowsed(int index)
{
    if (index >= 0 && index < docs_.size())
        docs_[index].browsed = true;
}

DocumentFile::Format DocumentManager::format(int index) const
{
    return index >= 0 && index < docs_.size() ? docs_.at(index).format : DocumentFile::Format{};
}

void DocumentManager::setFormat(int index, const DocumentFile::Format &format)
{
    if (index < 0 || index >= docs_.size() || docs_.at(index).format == format)
        return;
    docs_[index].format = format;
    Q_EMIT formatChanged(index);
}

bool DocumentManager::load(EditBox *box, const QString &name, const QString &tabSpaces, DocumentFile::Reading reading)
{
    DocumentFile::Loaded loaded;
    QString error;
    if (!DocumentFile::load(name, tabSpaces, reading, loaded, &error)) {
        Platform::instance().message(window_, Platform::MessageKind::Warning, Messages::AppTitle,
                                     QStringLiteral("\"") + name + QStringLiteral("\" を開けませんでした。\r\n") + error,
                                     Platform::Buttons::Ok);
        return false;
    }
    box->beginUpdate();
    box->loadText(loaded.text);
    box->setSelection(0, 0);
    box->setModified(false);
    box->endUpdate();
    setFormat(indexOf(box), loaded.format);
    if (loaded.duplicates) {
        showInfo_(QStringLiteral("\"") + fileNamePart(name) +
                  QStringLiteral("\" には同じ文字を表す二通りの文字コード（NEC と IBM の拡張文字）が含まれています。\r\n"
                                 "保存すると、それらの文字は標準の文字コードで書き込まれます。"));
    }
    return true;
}

bool DocumentManager::write(const EditBox *box, const QString &name)
{
    const int index = indexOf(box);
    int unencodable = 0;
    const QString text = box->storedText();
    QByteArray bytes = DocumentFile::serialize(text, format(index), &unencodable);
    if (unencodable > 0 && format(index).encoding == DocumentEncoding::Encoding::ShiftJis) {
        // Never a silent loss: the page becomes UTF-8, or the characters references.
        const int answer = Platform::instance().choose(
            window_, Platform::MessageKind::Warning, Messages::AppTitle,
            QStringLiteral("\"") + fileNamePart(name) + QStringLiteral("\" には Shift-JIS で保存できない文字が ") +
                QString::number(unencodable) +
                QStringLiteral(" 文字あります。\r\nこの文書を UTF-8 で保存するか、それらの文字を文字参照（&#x1F600; の形）で保存できます。"),
            {QStringLiteral("UTF-8 で保存(&U)"), QStringLiteral("文字参照で保存(&R)"), QStringLiteral("キャンセル")});
        if (answer == 0) {
            setFormat(index, {DocumentEncoding::Encoding::Utf8, format(index).lineBreak});
            bytes = DocumentFile::serialize(text, format(index), &unencodable);
        } else if (answer == 1) {
            bytes = DocumentFile::serialize(DocumentFile::withCharacterReferences(text), format(index), &unencodable);
        } else {
            return false;
        }
    }
    if (unencodable > 0) {
        const Platform::Answer a = Platform::instance().message(
            window_, Platform::MessageKind::Warning, Messages::AppTitle,
            QStringLiteral("\"") + fileNamePart(name) + QStringLiteral("\" には保存できない文字が ") +
                QString::number(unencodable) + QStringLiteral(" 文字あります。\r\nそれらを \"?\" に置き換えて保存しますか?"),
            Platform::Buttons::YesNo);
        if (a != Platform::Answer::Yes)
            return false;
    }
    QString error;
    if (!DocumentFile::save(name, bytes, &error)) {
        Platform::instance().message(window_, Platform::MessageKind::Warning, Messages::AppTitle,
                                     QStringLiteral("\"") + name + QStringLiteral("\" に保存できませんでした。\r\n") + error,
                                     Platform::Buttons::Ok);
        return false;
    }
    return true;
}

bool DocumentManager::checkNotOpen(const QString &name)
{
    if (contains(name)) {
        showInfo_(QStringLiteral("\"") + fileNamePart(name) + QStringLiteral("\" は編集中です。"));
        return false;
    }
    return true;
}

std::optional<QString> DocumentManager::askSaveAsName(const QString &name, const QString &homeFolder)
{
    Platform::FileRequest request;
    request.title = QStringLiteral("名前を付けて保存");
    request.filters = saveFilters();
    if (name != NewPage) {
        request.folder = folderPart(name);
        request.fileName = fileNamePart(name);
    } else {
        request.folder = homeFolder;
        request.fileName = NewPage;
    }
    const Platform::FileAnswer answer = Platform::instance().saveFile(window_, request);
    if (answer.files.isEmpty())
        return std::nullopt;
    QString newName = QFileInfo(answer.files.first()).absoluteFilePath();
    if (QFileInfo(newName).suffix().isEmpty()) {
        QString completed = newName;
        if (answer.filterIndex == 0)
            completed += QStringLiteral(".html");
        else if (answer.filterIndex == 1)
            completed += QStringLiteral(".txt");
        // The dialog asked about the name as typed only.
        if (completed != newName && QFileInfo::exists(completed)) {
            const Platform::Answer a = Platform::instance().message(
                window_, Platform::MessageKind::Information, Messages::InfoTitle,
                QStringLiteral("\"") + fileNamePart(completed) + QStringLiteral("\" は既に存在します。\r\n置き換えますか?"),
                Platform::Buttons::YesNo);
            if (a != Platform::Answer::Yes)
                return std::nullopt;
        }
        newName = completed;
    }
    return newName;
}

Platform::Answer DocumentManager::askModified(const QString &name, bool crOnly, QPoint at)
{
    const QString tail = crOnly ? QStringLiteral("\"\rこのファイルは変更されています。\r保存しますか?")
                                : QStringLiteral("\"\r\nこのファイルは変更されています。\r\n保存しますか?");
    return Platform::instance().message(window_, Platform::MessageKind::Information, Messages::InfoTitle,
                                        QStringLiteral("\"") + fileNamePart(name) + tail, Platform::Buttons::YesNoCancel, at);
}
