#include "app/StartupSettings.h"

#include "app/SettingsKeys.h"
#include "platform/ProfileStore.h"

#include <Qt>

namespace K = SettingsKeys;

namespace {
StoredFont readFont(const ProfileStore &ini, const K::IntKey &charset, const K::TextKey &name, const K::IntKey &size,
                    const K::IntKey &style, const QString &defaultName)
{
    StoredFont f;
    f.charset = K::read(ini, charset);
    f.name = K::read(ini, name, defaultName);
    f.size = K::read(ini, size);
    f.style = K::read(ini, style);
    return f;
}
} // namespace

StartupSettings StartupSettings::load(const ProfileStore &ini, const QString &defaultFolder)
{
    StartupSettings s;
    // Read first: a later format would convert what follows from here.
    s.version = K::read(ini, K::Version);
    s.homeFolder = K::readHomeFolder(ini, defaultFolder);
    // Any value but 0 means upper case, for the commands and the check marks alike.
    s.tagCase = K::read(ini, K::TagCase) == 0 ? 0 : 1;
    s.styleCase = K::read(ini, K::StyleCase) == 0 ? 0 : 1;
    s.wordWrap = K::read(ini, K::WordWrap);
    s.statusFont = readFont(ini, K::StatusCharset, K::StatusFont, K::StatusSize, K::StatusStyle, s.statusFont.name);
    s.pageTabFont = readFont(ini, K::PageTabCharset, K::PageTabFont, K::PageTabSize, K::PageTabStyle, s.pageTabFont.name);
    s.editorFont = readFont(ini, K::EditorCharset, K::EditorFont, K::EditorSize, K::EditorStyle, s.editorFont.name);
    s.editorColor = K::read(ini, K::EditorColor);
    s.memoColor = K::read(ini, K::MemoColor);
    if (K::read(ini, K::FormTop) == -1) {
        s.maximized = true;
    } else {
        s.height = K::read(ini, K::FormHeight);
        s.width = K::read(ini, K::FormWidth);
        s.top = K::read(ini, K::FormTop);
        s.left = K::read(ini, K::FormLeft);
    }
    s.toolBar = K::read(ini, K::FormToolBar) != 0;
    s.htmlBar = K::read(ini, K::FormHtmlBar);
    s.htmlBarPosition = K::read(ini, K::HtmlBarPosition);
    s.tabWidth = K::read(ini, K::TabWidth);
    s.previewMainKey = K::read(ini, K::PreviewMainKey);
    s.previewSubKey = K::read(ini, K::PreviewSubKey);
    for (int i = 0; i < 16; ++i) {
        s.customColors << ini.readString(QString::fromUtf16(K::CustomColorSection), K::customColorKey(i),
                                         QStringLiteral("FFFFFFFF"))
                              .left(64);
    }
    return s;
}

int StartupSettings::previewKeyCode(int value)
{
    if (value < 1 || value > 11)
        return 0;
    return Qt::Key_F1 + value;
}

bool StartupSettings::saveWindow(ProfileStore &ini) const
{
    bool ok = K::write(ini, K::Version, QString::fromUtf16(K::CurrentVersion));
    if (maximized) {
        ok = K::write(ini, K::FormTop, -1) && ok;
    } else {
        ok = K::write(ini, K::FormHeight, height) && ok;
        ok = K::write(ini, K::FormWidth, width) && ok;
        ok = K::write(ini, K::FormTop, top) && ok;
        ok = K::write(ini, K::FormLeft, left) && ok;
    }
    ok = K::write(ini, K::FormHtmlBar, htmlBar) && ok;
    ok = K::write(ini, K::HtmlBarPosition, htmlBarPosition) && ok;
    ok = K::write(ini, K::TabWidth, tabWidth) && ok;
    ok = K::write(ini, K::FormToolBar, toolBar ? 1 : 0) && ok;
    return ok;
}

bool StartupSettings::saveCustomColors(ProfileStore &ini) const
{
    const QString custom = QString::fromUtf16(K::CustomColorSection);
    bool ok = ini.eraseSection(custom);
    for (int i = 0; i < 16; ++i)
        ok = ini.writeString(custom, K::customColorKey(i), customColors.value(i)) && ok;
    return ok;
}
