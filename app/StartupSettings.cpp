#include "app/StartupSettings.h"

#include "platform/ProfileStore.h"

#include <Qt>

namespace {
StoredFont readFont(const ProfileStore &ini, const char *charKey, const char *nameKey, const char *sizeKey,
                    const char *styleKey, const StoredFont &def)
{
    const QString font = QStringLiteral("Font");
    StoredFont f;
    f.charset = ini.readInteger(font, QLatin1String(charKey), def.charset);
    f.name = ini.readString(font, QLatin1String(nameKey), def.name);
    f.size = ini.readInteger(font, QLatin1String(sizeKey), def.size);
    f.style = ini.readInteger(font, QLatin1String(styleKey), def.style);
    return f;
}
} // namespace

StartupSettings StartupSettings::load(const ProfileStore &ini, const QString &programFolder)
{
    StartupSettings s;
    const QString memo = QStringLiteral("Memo"), form = QStringLiteral("Form");
    s.homeFolder = ini.readString(QStringLiteral("HomeFolder"), QStringLiteral("Path"), programFolder);
    // Any value but 0 means upper case, for the commands and the check marks alike.
    s.tagCase = ini.readInteger(memo, QStringLiteral("Case"), 1) == 0 ? 0 : 1;
    s.styleCase = ini.readInteger(memo, QStringLiteral("StyleCase"), 0) == 0 ? 0 : 1;
    s.wordWrap = ini.readInteger(memo, QStringLiteral("WordWrap"), 0);
    s.statusFont = readFont(ini, "SChar", "Status", "SSize", "SStyle", s.statusFont);
    s.pageTabFont = readFont(ini, "PChar", "PageTab", "PSize", "PStyle", s.pageTabFont);
    s.editorFont = readFont(ini, "EChar", "Editor", "ESize", "EStyle", s.editorFont);
    s.editorColor = ini.readInteger(QStringLiteral("Font"), QStringLiteral("EColor"), 0);
    s.memoColor = ini.readInteger(memo, QStringLiteral("Color"), 16777215);
    if (ini.readInteger(form, QStringLiteral("Top"), 100) == -1) {
        s.maximized = true;
    } else {
        s.height = ini.readInteger(form, QStringLiteral("Height"), 550);
        s.width = ini.readInteger(form, QStringLiteral("Width"), 650);
        s.top = ini.readInteger(form, QStringLiteral("Top"), 100);
        s.left = ini.readInteger(form, QStringLiteral("Left"), 100);
    }
    s.toolBar = ini.readBool(form, QStringLiteral("ToolBar"), true);
    s.htmlBar = ini.readInteger(form, QStringLiteral("HtmlBar"), 1);
    s.htmlBarPosition = ini.readInteger(QStringLiteral("HtmlBar"), QStringLiteral("Position"), 0);
    s.tabWidth = ini.readInteger(memo, QStringLiteral("Tab"), 0);
    s.previewMainKey = ini.readInteger(QStringLiteral("KeyDefine"), QStringLiteral("00000"), 8);
    s.previewSubKey = ini.readInteger(QStringLiteral("KeyDefine"), QStringLiteral("00001"), 9);
    for (int i = 1; i <= 16; ++i) {
        const QString key = QStringLiteral("Color") + QChar(64 + i);
        s.customColors << ini.readString(QStringLiteral("Custom"), key, QStringLiteral("FFFFFFFF")).left(64);
    }
    return s;
}

int StartupSettings::previewKeyCode(int value)
{
    if (value < 1 || value > 11)
        return 0;
    return Qt::Key_F1 + value;
}
