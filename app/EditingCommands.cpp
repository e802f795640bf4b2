#include "app/EditingCommands.h"

#include "app/CommandHost.h"
#include "app/SettingsKeys.h"
#include "editing/IEditBox.h"
#include "editing/ColorCommands.h"
#include "editing/EditTools.h"
#include "editing/FixedTags.h"
#include "platform/ProfileStore.h"


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

EditingCommands::EditingCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    // The menus' own rules decide when these are available; the need only guards a key.
    for (const QString &name : FixedTags::names())
        host_.bind(name, [this, name] { runFixedTag(name); });
    for (const QString &name : EditTools::names())
        host_.bind(name, [this, name] { runEditTool(name); });
    for (const QString &name : ColorCommands::names())
        host_.bind(name, [this, name] { runColorCommand(name); });

    const std::pair<const char *, void (EditingCommands::*)()> clipboard[] = {
        {"EditCut", &EditingCommands::EditCutClick},         {"EditCutSpd", &EditingCommands::EditCutClick},
        {"PopCut", &EditingCommands::EditCutClick},          {"EditCopy", &EditingCommands::EditCopyClick},
        {"EditCopySpd", &EditingCommands::EditCopyClick},    {"PopCopy", &EditingCommands::EditCopyClick},
        {"EditPaste", &EditingCommands::EditPasteClick},     {"EditPasteSpeed", &EditingCommands::EditPasteClick},
        {"PopPaste", &EditingCommands::EditPasteClick},      {"EditDel", &EditingCommands::EditDelClick},
        {"EditSelectAll", &EditingCommands::EditSelectAllClick}, {"PopSelect", &EditingCommands::EditSelectAllClick},
    };
    for (const auto &[name, handler] : clipboard)
        host_.bind(QLatin1String(name), [this, handler = handler] { (this->*handler)(); });

    host_.bind(QStringLiteral("TagUpper"), [this] { setTagCase(1); });
    host_.bind(QStringLiteral("TagLower"), [this] { setTagCase(0); });
    host_.bind(QStringLiteral("StyleUpper"), [this] { setStyleCase(1); });
    host_.bind(QStringLiteral("StyleLower"), [this] { setStyleCase(0); });
}

void EditingCommands::runFixedTag(const QString &name)
{
    if (!host_.hasDocument())
        return;
    const FixedTags::Outcome outcome = FixedTags::run(name, host_.editContext());
    if (outcome == FixedTags::Outcome::CommentBoxUpperThird || outcome == FixedTags::Outcome::CommentBoxAtCursor) {
        if (commentBox_)
            commentBox_(outcome == FixedTags::Outcome::CommentBoxAtCursor);
        else
            host_.showNotYetNotice();
    }
}

void EditingCommands::runEditTool(const QString &name)
{
    if (!host_.hasDocument())
        return;
    EditTools::run(name, host_.editContext());
}

void EditingCommands::runColorCommand(const QString &name)
{
    if (!host_.hasDocument())
        return;
    const ColorChooser chooseColor = [this](const std::optional<RgbColor> &preset) -> std::optional<RgbColor> {
        const std::optional<QColor> chosen = preset ? host_.chooseColor(toQColor(*preset)) : host_.chooseColorFromLast();
        if (!chosen)
            return std::nullopt;
        return toRgb(*chosen);
    };
    const ColorCommands::FileChooser choosePicture = [this]() -> QString {
        Platform::FileRequest request;
        request.title = ColorCommands::pictureDialogTitle();
        request.filters = ColorCommands::pictureFilters();
        const Platform::FileAnswer answer = Platform::instance().openFiles(host_.window(), request, false);
        return answer.files.isEmpty() ? QString() : answer.files.first();
    };
    ColorCommands::run(name, host_.editContext(), chooseColor, choosePicture);
}

// The clipboard commands are the box's own edits, so its own undo covers them.
IEditBox *EditingCommands::activeBox() const
{
    return host_.hasDocument() ? host_.documentBox(host_.activeDocumentIndex()) : nullptr;
}

void EditingCommands::EditCutClick()
{
    IEditBox *box = activeBox();
    if (!box || box->selLength() == 0)
        return;
    Platform::instance().setClipboardText(box->selectedText());
    box->typeOverSelection(QString());
}

void EditingCommands::EditCopyClick()
{
    IEditBox *box = activeBox();
    if (!box || box->selLength() == 0)
        return;
    Platform::instance().setClipboardText(box->selectedText());
}

void EditingCommands::EditPasteClick()
{
    IEditBox *box = activeBox();
    if (!box || !Platform::instance().clipboardHasText())
        return;
    box->typeOverSelection(Platform::instance().clipboardText());
}

void EditingCommands::EditDelClick()
{
    IEditBox *box = activeBox();
    if (!box || box->selLength() == 0)
        return;
    box->typeOverSelection(QString());
}

void EditingCommands::EditSelectAllClick()
{
    if (IEditBox *box = activeBox())
        box->setSelection(0, box->length());
}

void EditingCommands::setTagCase(int value)
{
    host_.setTagCase(value);
    host_.setItemChecked(QStringLiteral("TagUpper"), value == 1);
    host_.setItemChecked(QStringLiteral("TagLower"), value == 0);
    ProfileStore ini(host_.settingsPath());
    host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::TagCase, value), ini);
}

void EditingCommands::setStyleCase(int value)
{
    host_.setStyleCase(value);
    host_.setItemChecked(QStringLiteral("StyleUpper"), value == 1);
    host_.setItemChecked(QStringLiteral("StyleLower"), value == 0);
    ProfileStore ini(host_.settingsPath());
    host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::StyleCase, value), ini);
}
