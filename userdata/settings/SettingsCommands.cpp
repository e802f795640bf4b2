#include "userdata/settings/SettingsCommands.h"

#include "app/CommandHost.h"
#include "app/SettingsKeys.h"
#include "app/StartupSettings.h"
#include "editing/IEditBox.h"
#include "platform/FileSizeText.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "userdata/settings/BrowserSetBox.h"
#include "userdata/settings/ColorBox.h"
#include "userdata/settings/HomeSet.h"
#include "userdata/settings/PropertyBox.h"
#include "userdata/settings/SettingsText.h"

#include <QStringList>

namespace K = SettingsKeys;

namespace {
int storedColor(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// A font the user chose is stored as chosen; one left alone keeps its stored name, even
// where this system shows a stand-in for it.
StoredFont toStore(const StoredFont &before, const QFont &font, bool chosen)
{
    if (!chosen)
        return before;
    StoredFont f = before;
    f.name = font.family();
    f.size = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    if (f.size <= 0)
        f.size = before.size;
    f.style = SettingsText::fontStyleCode(font.bold(), font.italic(), font.underline(), font.strikeOut());
    return f;
}

bool writeFont(ProfileStore &ini, const StoredFont &f, const K::TextKey &name, const K::IntKey &size,
               const K::IntKey &style, const K::IntKey &charset)
{
    bool ok = K::write(ini, name, f.name);
    ok = K::write(ini, size, f.size) && ok;
    ok = K::write(ini, style, f.style) && ok;
    return K::write(ini, charset, f.charset) && ok;
}
} // namespace

SettingsCommands::SettingsCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    for (const char *name : {"OptFont", "ViewFontSpeed"})
        host.bind(QLatin1String(name), [this] { OptFontClick(); }, CommandNeed::Document);
    for (const char *name : {"OptColor", "ViewColorSpeed"})
        host.bind(QLatin1String(name), [this] { OptColorClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("OptHome"), [this] { OptHomeClick(); });
    host.bind(QStringLiteral("OptPreview"), [this] { OptPreviewClick(); });
    for (const char *name : {"FileProperty", "PopProperty"})
        host.bind(QLatin1String(name), [this] { FilePropertyClick(); }, CommandNeed::Document);
}

void SettingsCommands::OptFontClick()
{
    runColorBox(false);
}

void SettingsCommands::OptColorClick()
{
    runColorBox(true);
}

void SettingsCommands::runColorBox(bool colorPage)
{
    if (!host_.hasDocument())
        return;
    TColorBox dlg([this](const QColor &initial) { return host_.chooseColor(initial); }, host_.window());
    const EditorAppearance now = host_.editorAppearance();
    dlg.setValues(now.editor, now.text, now.memo, now.pageTab, now.status);
    dlg.showPage(colorPage ? TColorBox::Page::Color : TColorBox::Page::Font);
    host_.place(&dlg, Placement::Centered);
    // Cancel leaves the boxes and TW.ini as they were.
    if (Platform::instance().execDialog(&dlg) != QDialog::Accepted)
        return;
    host_.applyEditorAppearance({dlg.editorFont(), dlg.textColor(), dlg.memoColor(), dlg.pageTabFont(), dlg.statusFont()});

    ProfileStore ini(host_.settingsPath());
    const StartupSettings before = StartupSettings::load(ini, host_.dialogFolder());
    bool ok = writeFont(ini, toStore(before.editorFont, dlg.editorFont(), dlg.editorChosen()), K::EditorFont,
                        K::EditorSize, K::EditorStyle, K::EditorCharset);
    ok = K::write(ini, K::EditorColor, storedColor(dlg.textColor())) && ok;
    ok = writeFont(ini, toStore(before.pageTabFont, dlg.pageTabFont(), dlg.pageTabChosen()), K::PageTabFont,
                   K::PageTabSize, K::PageTabStyle, K::PageTabCharset) && ok;
    ok = writeFont(ini, toStore(before.statusFont, dlg.statusFont(), dlg.statusChosen()), K::StatusFont,
                   K::StatusSize, K::StatusStyle, K::StatusCharset) && ok;
    const QString custom = QString::fromUtf16(K::CustomColorSection);
    ok = ini.eraseSection(custom) && ok;
    const QStringList &colors = host_.customColors();
    for (int i = 0; i < 16; ++i)
        ok = ini.writeString(custom, K::customColorKey(i), colors.value(i, QStringLiteral("FFFFFFFF")).left(64)) && ok;
    ok = K::write(ini, K::MemoColor, storedColor(dlg.memoColor())) && ok;
    host_.settingsWritten(ok, ini);
}

void SettingsCommands::OptHomeClick()
{
    const QString stored = K::read(ProfileStore(host_.settingsPath()), K::HomeFolder, QString::fromUtf16(K::NoHomeFolder));
    THomeSet dlg(host_.dialogFolder(), stored, host_.window());
    host_.place(&dlg, Placement::FromWindow, QPoint(150, 100));
    if (Platform::instance().execDialog(&dlg) != QDialog::Accepted)
        return;
    const QString chosen = dlg.chosenFolder();
    if (!chosen.isEmpty())
        host_.setOpenDialogFolder(chosen);
    ProfileStore ini(host_.settingsPath());
    host_.settingsWritten(K::write(ini, K::HomeFolder, chosen.isEmpty() ? QString::fromUtf16(K::NoHomeFolder) : chosen),
                          ini);
}

void SettingsCommands::OptPreviewClick()
{
    TBrowserSetBox dlg(host_.window());
    {
        const ProfileStore ini(host_.settingsPath());
        dlg.setStored(K::read(ini, K::MainBrowser), K::read(ini, K::MainBrowserKey),
                      K::read(ini, K::SubBrowser, QString::fromUtf16(K::NoSubBrowser)), K::read(ini, K::SubBrowserKey));
    }
    connect(&dlg, &TBrowserSetBox::helpRequested, this, [this] { host_.showNotYetNotice(); });
    host_.place(&dlg, Placement::UpperThird);
    if (Platform::instance().execDialog(&dlg) != QDialog::Accepted)
        return;
    ProfileStore ini(host_.settingsPath());
    bool ok = K::write(ini, K::MainBrowser, dlg.mainPath());
    ok = K::write(ini, K::MainBrowserKey, dlg.mainKey()) && ok;
    if (dlg.subUsed()) {
        ok = K::write(ini, K::SubBrowser, dlg.subPath()) && ok;
        ok = K::write(ini, K::SubBrowserKey, dlg.subKey()) && ok;
    } else {
        ok = K::write(ini, K::SubBrowser, QString::fromUtf16(K::NoSubBrowser)) && ok;
    }
    // The keys chosen are the keys that work; on a key chosen twice the main browser keeps it.
    const bool subHasKey = dlg.subUsed() && dlg.subKey() != dlg.mainKey();
    ok = K::write(ini, K::PreviewMainKey, dlg.mainKey() + 1) && ok;
    ok = K::write(ini, K::PreviewSubKey, subHasKey ? dlg.subKey() + 1 : 0) && ok;
    host_.settingsWritten(ok, ini);
    host_.loadPreviewKeys();
}

void SettingsCommands::FilePropertyClick()
{
    if (!host_.hasDocument())
        return;
    const QString name = host_.activeDocumentName();
    const IEditBox &box = host_.editContext().box;
    QStringList lines;
    for (int i = 0; i < box.lineCount(); ++i)
        lines << box.line(i);
    // A final line break starts no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    TPropertyBox dlg(host_.window());
    // An untitled document has no file on disk.
    dlg.showDocument(name, FileSizeText(name == CommandHost::untitledName() ? QString() : name), lines);
    host_.place(&dlg, Placement::UpperThird);
    Platform::instance().execDialog(&dlg);
}
