#include "app/EditingCommands.h"

#include "app/EditBox.h"
#include "app/MainForm.h"
#include "editing/ColorCommands.h"
#include "editing/EditTools.h"
#include "editing/FixedTags.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QActionGroup>
#include <QFileInfo>

namespace {
QColor toQColor(const RgbColor &c)
{
    return QColor(c.red, c.green, c.blue);
}

RgbColor toRgb(const QColor &c)
{
    return RgbColor{c.red(), c.green(), c.blue()};
}
} // namespace

EditingCommands::EditingCommands(TMainForm &form) : QObject(&form), form_(form)
{
    for (const QString &name : FixedTags::names())
        form_.bind(name, [this, name] { runFixedTag(name); });
    for (const QString &name : EditTools::names())
        form_.bind(name, [this, name] { runEditTool(name); });
    for (const QString &name : ColorCommands::names())
        form_.bind(name, [this, name] { runColorCommand(name); });

    const std::pair<const char *, void (EditingCommands::*)()> clipboard[] = {
        {"EditCut", &EditingCommands::EditCutClick},         {"EditCutSpd", &EditingCommands::EditCutClick},
        {"PopCut", &EditingCommands::EditCutClick},          {"EditCopy", &EditingCommands::EditCopyClick},
        {"EditCopySpd", &EditingCommands::EditCopyClick},    {"PopCopy", &EditingCommands::EditCopyClick},
        {"EditPaste", &EditingCommands::EditPasteClick},     {"EditPasteSpeed", &EditingCommands::EditPasteClick},
        {"PopPaste", &EditingCommands::EditPasteClick},      {"EditDel", &EditingCommands::EditDelClick},
        {"EditSelectAll", &EditingCommands::EditSelectAllClick}, {"PopSelect", &EditingCommands::EditSelectAllClick},
    };
    for (const auto &[name, handler] : clipboard)
        form_.bind(QLatin1String(name), [this, handler = handler] { (this->*handler)(); });

    form_.bind(QStringLiteral("TagUpper"), [this] { setTagCase(1); });
    form_.bind(QStringLiteral("TagLower"), [this] { setTagCase(0); });
    form_.bind(QStringLiteral("StyleUpper"), [this] { setStyleCase(1); });
    form_.bind(QStringLiteral("StyleLower"), [this] { setStyleCase(0); });
}

void EditingCommands::runFixedTag(const QString &name)
{
    if (!form_.activeBox())
        return;
    const FixedTags::Outcome outcome = FixedTags::run(name, form_.editContext());
    if (outcome == FixedTags::Outcome::CommentBoxUpperThird || outcome == FixedTags::Outcome::CommentBoxAtCursor) {
        if (commentBox_)
            commentBox_(outcome == FixedTags::Outcome::CommentBoxAtCursor);
        else
            form_.ShowNotYetNotice();
    }
}

void EditingCommands::runEditTool(const QString &name)
{
    if (!form_.activeBox())
        return;
    EditTools::run(name, form_.editContext());
}

void EditingCommands::runColorCommand(const QString &name)
{
    if (!form_.activeBox())
        return;
    const ColorChooser chooseColor = [this](const std::optional<RgbColor> &preset) -> std::optional<RgbColor> {
        const QColor initial = preset ? toQColor(*preset) : lastColor_;
        const std::optional<QColor> chosen = Platform::instance().chooseColor(&form_, initial, form_.customColors());
        if (!chosen)
            return std::nullopt;
        lastColor_ = *chosen;
        return toRgb(*chosen);
    };
    const ColorCommands::FileChooser choosePicture = [this]() -> QString {
        Platform::FileRequest request;
        request.title = ColorCommands::pictureDialogTitle();
        request.filters = ColorCommands::pictureFilters();
        const Platform::FileAnswer answer = Platform::instance().openFiles(&form_, request, false);
        return answer.files.isEmpty() ? QString() : answer.files.first();
    };
    ColorCommands::run(name, form_.editContext(), chooseColor, choosePicture);
}

// The clipboard commands are the box's own edits, so its own undo covers them.
void EditingCommands::EditCutClick()
{
    EditBox *box = form_.activeBox();
    if (!box || box->selLength() == 0)
        return;
    Platform::instance().setClipboardText(box->selectedText());
    box->textCursor().removeSelectedText();
}

void EditingCommands::EditCopyClick()
{
    EditBox *box = form_.activeBox();
    if (!box || box->selLength() == 0)
        return;
    Platform::instance().setClipboardText(box->selectedText());
}

void EditingCommands::EditPasteClick()
{
    EditBox *box = form_.activeBox();
    if (box)
        box->pasteClipboardText();
}

void EditingCommands::EditDelClick()
{
    EditBox *box = form_.activeBox();
    if (!box || box->selLength() == 0)
        return;
    box->textCursor().removeSelectedText();
}

void EditingCommands::EditSelectAllClick()
{
    if (EditBox *box = form_.activeBox())
        box->selectAll();
}

void EditingCommands::setTagCase(int value)
{
    form_.setTagCase(value);
    form_.form()->TagUpper->setChecked(value == 1);
    form_.form()->TagLower->setChecked(value == 0);
    ProfileStore ini(form_.iniPath());
    form_.settingsWritten(ini.writeInteger(QStringLiteral("Memo"), QStringLiteral("Case"), value), ini);
}

void EditingCommands::setStyleCase(int value)
{
    form_.setStyleCase(value);
    form_.form()->StyleUpper->setChecked(value == 1);
    form_.form()->StyleLower->setChecked(value == 0);
    ProfileStore ini(form_.iniPath());
    form_.settingsWritten(ini.writeInteger(QStringLiteral("Memo"), QStringLiteral("StyleCase"), value), ini);
}
