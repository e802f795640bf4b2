#include "wizards/stylesheets/StyleSheetCommands.h"

#include "app/SettingsKeys.h"
#include "editing/AsciiCase.h"
#include "editing/HtmlColor.h"
#include "editing/IEditBox.h"
#include "editing/StyleBlock.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "platform/ProfileText.h"
#include "userdata/listmanager/RegistBox.h"
#include "wizards/stylesheets/SSRadioBox.h"
#include "wizards/stylesheets/StyleCollectionSource.h"
#include "wizards/stylesheets/ssFontBox.h"
#include "wizards/stylesheets/ssSizeBox.h"
#include "wizards/links/LinkMarkup.h"

#include <QFontDatabase>
#include <QTimer>

using StyleProperties::ChoiceMode;
using StyleProperties::FontMemory;
using StyleProperties::SizeMode;

StyleSheetCommands::StyleSheetCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    const auto bind = [&host](const char *name, std::function<void()> operation) {
        host.bind(QLatin1String(name), std::move(operation), CommandNeed::Document);
    };
    bind("H1", [this] { H1Click(); });
    bind("ssFont", [this] { ssFontClick(); });
    bind("color1", [this] { color1Click(); });

    const struct
    {
        const char *name;
        ChoiceMode mode;
    } choices[] = {
        {"repeat1", ChoiceMode::Repeat}, {"attachment1", ChoiceMode::Attachment}, {"weight1", ChoiceMode::Weight},
        {"style1", ChoiceMode::Style},   {"decoration1", ChoiceMode::Decoration}, {"align1", ChoiceMode::Align},
        {"transform1", ChoiceMode::Transform},
    };
    for (const auto &c : choices)
        bind(c.name, [this, mode = c.mode] { runChoice(mode); });

    const struct
    {
        const char *name;
        SizeMode mode;
    } sizes[] = {
        {"position1", SizeMode::Position},     {"bottom2", SizeMode::PaddingBottom},
        {"left2", SizeMode::PaddingLeft},      {"right2", SizeMode::PaddingRight},
        {"top2", SizeMode::PaddingTop},        {"left1", SizeMode::MarginLeft},
        {"right1", SizeMode::MarginRight},     {"top1", SizeMode::MarginTop},
        {"bottom1", SizeMode::MarginBottom},   {"lineheight1", SizeMode::LineHeight},
        {"size1", SizeMode::FontSize},         {"indent1", SizeMode::TextIndent},
    };
    for (const auto &s : sizes)
        bind(s.name, [this, mode = s.mode] { runSize(mode); });

    // The collection window outlives documents: its Input follows whether one is open.
    connect(&host.events(), &HostEvents::documentClosing, this, [this] { followDocuments(); });
    connect(&host.events(), &HostEvents::editBoxCreated, this, [this] { followDocuments(); });
}

void StyleSheetCommands::H1Click()
{
    if (!host_.hasDocument())
        return;
    StyleBlock::Declare(host_.editContext());
}

bool StyleSheetCommands::confirmed(QDialog &dialog)
{
    host_.place(&dialog, Placement::UpperThird);
    return Platform::instance().execDialog(&dialog) == QDialog::Accepted && host_.hasDocument();
}

void StyleSheetCommands::insert(const QString &text)
{
    // A sample the user emptied would only delete the selection.
    if (!TagInserter::trimTrailing(text).isEmpty())
        TagInserter(host_.editContext()).InsertTagText(text, true);
}

void StyleSheetCommands::runChoice(ChoiceMode mode)
{
    // A short-cut can still arrive while no document is open.
    if (!host_.hasDocument())
        return;
    TSSRadioBox box(host_.window());
    box.setMode(mode, host_.styleCase(), readMemory().weight);
    if (confirmed(box))
        insert(box.insertion());
}

void StyleSheetCommands::runSize(SizeMode mode)
{
    if (!host_.hasDocument())
        return;
    const FontMemory before = readMemory();
    TssSizeBox box(host_.window());
    box.setMode(mode, host_.styleCase(), before);
    if (!confirmed(box))
        return;
    insert(box.insertion());
    if (mode == SizeMode::FontSize)
        storeMemory(before, StyleProperties::rememberSize(before, box.value()));
}

void StyleSheetCommands::ssFontClick()
{
    if (!host_.hasDocument())
        return;
    const FontMemory before = readMemory();
    TssFontBox box(LinkMarkup::familyNames(QFontDatabase::families()), before, host_.styleCase(), host_.window());
    if (!confirmed(box))
        return;
    insert(box.insertion());
    storeMemory(before, StyleProperties::rememberFont(before, box.choice()));
}

FontMemory StyleSheetCommands::readMemory() const
{
    const ProfileStore ini(host_.settingsPath());
    FontMemory m;
    m.sizeMode = SettingsKeys::read(ini, SettingsKeys::ssFontSizeMode);
    m.number = SettingsKeys::read(ini, SettingsKeys::ssFontNumber);
    m.unit = SettingsKeys::read(ini, SettingsKeys::ssFontUnit);
    m.weight = SettingsKeys::read(ini, SettingsKeys::ssFontWeight);
    m.italic = SettingsKeys::read(ini, SettingsKeys::ssFontItalic);
    return m;
}

void StyleSheetCommands::storeMemory(const FontMemory &before, const FontMemory &after)
{
    const struct
    {
        const SettingsKeys::IntKey &key;
        int was;
        int now;
    } keys[] = {
        {SettingsKeys::ssFontSizeMode, before.sizeMode, after.sizeMode},
        {SettingsKeys::ssFontNumber, before.number, after.number},
        {SettingsKeys::ssFontUnit, before.unit, after.unit},
        {SettingsKeys::ssFontWeight, before.weight, after.weight},
        {SettingsKeys::ssFontItalic, before.italic, after.italic},
    };
    bool changed = false;
    for (const auto &k : keys)
        changed = changed || k.was != k.now;
    if (!changed)
        return;
    // One write for all of them.
    ProfileStore ini(host_.settingsPath());
    const bool ok = ini.update([&keys](ProfileText &text, QString *error) {
        for (const auto &k : keys) {
            if (k.was != k.now
                && !text.setValue(QString::fromUtf16(k.key.section), QString::fromUtf16(k.key.key),
                                  QString::number(k.now), error))
                return false;
        }
        return true;
    });
    host_.settingsWritten(ok, ini);
}

void StyleSheetCommands::color1Click()
{
    if (!host_.hasDocument())
        return;
    // The window's one colour dialog, at the colour last chosen by any command.
    const std::optional<QColor> chosen = host_.chooseColorFromLast();
    if (!chosen)
        return;
    const RgbColor rgb{chosen->red(), chosen->green(), chosen->blue()};
    addToCollection(AsciiCase::forSetting(u"background-color:", host_.styleCase()) + HtmlColor::ColorToHtml(rgb)
                    + QLatin1Char(';'));
}

TRegistBox *StyleSheetCommands::collectionWindow() const
{
    return collection_;
}

void StyleSheetCommands::addToCollection(const QString &declaration)
{
    if (!collection_)
        openCollection();
    collection_->appendEntry({declaration, {}});
    collection_->raise();
}

void StyleSheetCommands::openCollection()
{
    auto *source = new StyleCollectionSource([this](const QString &text) {
        if (!host_.hasDocument())
            return false;
        TagInserter(host_.editContext()).InsertTagText(text, true);
        return true;
    });
    // A tool window of the main window: above it, never blocking it, gone with it.
    auto *box = new TRegistBox(*source, host_.window());
    box->setWindowFlags(Qt::Tool);
    box->setModal(false);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setMinimumWidth(400);
    QObject::connect(box, &QObject::destroyed, [source] { delete source; });
    collection_ = box;
    box->setOkEnabled(host_.hasDocument());
    // Placed once shown, when its frame is known.
    box->show();
    host_.place(box, Placement::BottomRight);
}

void StyleSheetCommands::followDocuments()
{
    // The host tells before a box goes and before a new one is listed: look once it settled.
    QTimer::singleShot(0, this, [this] {
        if (collection_)
            collection_->setOkEnabled(host_.hasDocument());
    });
}
