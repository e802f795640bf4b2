#include "platform/gui/QtPlatform.h"

#include "platform/gui/ProgramsOnlyModel.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace {
Platform *g_installed = nullptr;
// Where the user last was in a file dialog: an empty initial folder means there.
QString g_lastFolder;

QString startFolder(const QString &requested)
{
    return requested.isEmpty() ? g_lastFolder : requested;
}

QStringList caseBlindFilters(const QStringList &filters)
{
    QStringList out;
    for (const QString &f : filters)
        out << QtPlatform::caseBlindFilter(f);
    return out;
}

// The dialog names the chosen filter by its label alone ("HTMLファイル") while it hides
// the patterns, and by the whole filter otherwise.
int indexOfFilter(const QStringList &filters, const QString &chosen)
{
    for (int i = 0; i < filters.size(); ++i) {
        const QString &f = filters.at(i);
        const qsizetype open = f.lastIndexOf(QLatin1String(" ("));
        if (f == chosen || (open >= 0 && QStringView(f).left(open) == chosen))
            return i;
    }
    return 0;
}
} // namespace

Platform &Platform::instance()
{
    static QtPlatform qtPlatform;
    return g_installed ? *g_installed : qtPlatform;
}

void Platform::install(Platform *platform)
{
    g_installed = platform;
}

QString QtPlatform::caseBlindFilter(const QString &filter)
{
    static const QRegularExpression re(QStringLiteral("^(.*)\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch m = re.match(filter);
    if (!m.hasMatch())
        return filter;
    QStringList patterns = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &p : patterns) {
        QString blind;
        for (const QChar c : p) {
            if (c.isLetter() && c.unicode() < 128)
                blind += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
            else
                blind += c;
        }
        p = blind;
    }
    return m.captured(1) + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString QtPlatform::messageText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

Platform::FileAnswer QtPlatform::openFiles(QWidget *parent, const FileRequest &request, bool multiple)
{
    QFileDialog dialog(parent, request.title, startFolder(request.folder));
    const QStringList filters = caseBlindFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (request.programsFilter >= 0 && request.programsFilter < filters.size()) {
        auto *proxy = new ProgramsOnlyModel(&dialog);
        dialog.setProxyModel(proxy);
        const int programs = request.programsFilter;
        auto follow = [proxy, filters, programs](const QString &chosen) {
            proxy->setActive(indexOfFilter(filters, chosen) == programs);
        };
        follow(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, follow);
    }
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileAnswer answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.files = dialog.selectedFiles();
    g_lastFolder = dialog.directory().absolutePath();
    answer.filterIndex = indexOfFilter(filters, dialog.selectedNameFilter());
    return answer;
}

Platform::FileAnswer QtPlatform::saveFile(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.title, startFolder(request.folder));
    const QStringList filters = caseBlindFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.files = dialog.selectedFiles().mid(0, 1);
    g_lastFolder = dialog.directory().absolutePath();
    answer.filterIndex = indexOfFilter(filters, dialog.selectedNameFilter());
    return answer;
}

QString QtPlatform::chooseFolder(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}

std::optional<QColor> QtPlatform::chooseColor(QWidget *parent, const QColor &initial, QStringList &customColors)
{
    // Custom colours are kept as the other platform's BGR hexadecimal values; any other
    // value marks an unused slot and is written back untouched unless the user set it.
    const int slots = std::min(QColorDialog::customCount(), int(customColors.size()));
    QList<QColor> given(slots);
    for (int i = 0; i < slots; ++i) {
        bool ok = false;
        const uint v = customColors.at(i).toUInt(&ok, 16);
        given[i] = ok && v <= 0xFFFFFF ? QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF))
                                       : QColor();
        QColorDialog::setCustomColor(i, given[i].isValid() ? given[i] : QColor(Qt::white));
    }
    const QColor chosen = QColorDialog::getColor(initial, parent);
    for (int i = 0; i < slots; ++i) {
        const QColor now = QColorDialog::customColor(i);
        const QColor before = given[i].isValid() ? given[i] : QColor(Qt::white);
        if (now.rgb() != before.rgb()) {
            const uint bgr = uint(now.red()) | (uint(now.green()) << 8) | (uint(now.blue()) << 16);
            customColors[i] = QString::asprintf("%06X", bgr);
        }
    }
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPlatform::chooseFont(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

int QtPlatform::choose(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                       const QStringList &buttons)
{
    QMessageBox box(parent);
    setUpMessage(box, kind, title, text);
    QList<QPushButton *> pushed;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        pushed.append(box.addButton(buttons.at(i), i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    if (!pushed.isEmpty()) {
        box.setDefaultButton(pushed.first());
        box.setEscapeButton(pushed.last());
    }
    box.exec();
    const qsizetype index = pushed.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return index >= 0 ? int(index) : int(buttons.size()) - 1;
}

Platform::Answer QtPlatform::message(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                                     Buttons buttons, std::optional<QPoint> topLeft)
{
    return runMessage(parent, kind, title, text, buttons, [topLeft](QMessageBox &box) {
        if (topLeft) {
            box.adjustSize();
            box.move(*topLeft);
        }
    });
}

Platform::Answer QtPlatform::messageOnScreenCentre(QWidget *parent, MessageKind kind, const QString &title,
                                                   const QString &text, Buttons buttons)
{
    return runMessage(parent, kind, title, text, buttons, [parent](QMessageBox &box) {
        QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        box.adjustSize();
        const QRect room = screen->availableGeometry();
        box.move(room.center() - QPoint(box.width() / 2, box.height() / 2));
    });
}

void QtPlatform::setUpMessage(QMessageBox &box, MessageKind kind, const QString &title, const QString &text)
{
    box.setWindowTitle(title);
    // Messages name files and quote what the user typed: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(messageText(text));
    box.setIcon(kind == MessageKind::Information ? QMessageBox::Information
                : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                 : QMessageBox::NoIcon);
}

Platform::Answer QtPlatform::runMessage(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                                        Buttons buttons, const std::function<void(QMessageBox &)> &place)
{
    QMessageBox box(parent);
    setUpMessage(box, kind, title, text);
    QPushButton *yes = nullptr, *no = nullptr, *cancel = nullptr, *ok = nullptr;
    switch (buttons) {
    case Buttons::Ok:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case Buttons::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    case Buttons::YesNo:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        break;
    case Buttons::YesNoCancel:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    }
    if (cancel)
        box.setEscapeButton(cancel);
    else if (no)
        box.setEscapeButton(no);
    place(box);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked == yes && yes)
        return Answer::Yes;
    if (clicked == no && no)
        return Answer::No;
    if (clicked == ok && ok)
        return Answer::Ok;
    return cancel ? Answer::Cancel : (no ? Answer::No : Answer::Ok);
}

int QtPlatform::execDialog(QDialog *dialog)
{
    return dialog->exec();
}

bool QtPlatform::openWithShell(const QString &pathOrUrl)
{
    const QUrl url = pathOrUrl.contains(QLatin1String("://")) ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const QString &program, const QString &argument)
{
    return QProcess::startDetached(program, QStringList() << argument);
}

bool QtPlatform::clipboardHasText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString QtPlatform::clipboardText()
{
    return QApplication::clipboard()->text();
}

bool QtPlatform::selectionHasText()
{
    QClipboard *clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection())
        return false;
    const QMimeData *data = clipboard->mimeData(QClipboard::Selection);
    return data && data->hasText();
}

QString QtPlatform::selectionText()
{
    QClipboard *clipboard = QApplication::clipboard();
    return clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
}

void QtPlatform::setClipboardText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

void Messages::ShowNotYetNotice(QWidget *parent)
{
    const QPoint c = QCursor::pos();
    Platform::instance().message(parent, Platform::MessageKind::Information, InfoTitle, QStringLiteral("現在作成中です。"),
                                 Platform::Buttons::Ok, QPoint(c.x() - 30, c.y() - 90));
}
