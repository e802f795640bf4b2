#pragma once

#include <QString>
#include <QStringList>

class ProfileStore;

// A font as TW.ini keeps it. The name is written back exactly as read, even when the
// font is not installed here.
struct StoredFont
{
    QString name;
    int charset = 128;
    int size = 9;  // points
    int style = 0; // 1 bold, 2 italic, 3 both, anything else regular
    bool bold() const { return style == 1 || style == 3; }
    bool italic() const { return style == 2 || style == 3; }
};

// Everything the main window reads from TW.ini when it starts, with its defaults.
struct StartupSettings
{
    QString version; // of the program that wrote the file; empty for a first start
    QString homeFolder;
    int tagCase = 1;   // 0 lower, 1 upper (any other stored value)
    int styleCase = 0;
    int wordWrap = 0;
    StoredFont statusFont{QStringLiteral("ＭＳ Ｐゴシック"), 128, 9, 0};
    StoredFont pageTabFont{QStringLiteral("ＭＳ Ｐゴシック"), 128, 9, 0};
    StoredFont editorFont{QStringLiteral("FixedSys"), 128, 14, 0};
    int editorColor = 0;        // BGR, 0 black
    int memoColor = 16777215;   // BGR, white
    bool maximized = false;
    int top = 100, height = 550, width = 650, left = 100;
    bool toolBar = true;
    int htmlBar = 1;
    int htmlBarPosition = 0;
    int tabWidth = 0;
    int previewMainKey = 8;     // F(v+1) for 1..11
    int previewSubKey = 9;
    QStringList customColors;   // 16 values, "FFFFFFFF" when unset

    // defaultFolder: the home folder while none is set (see SettingsKeys::readHomeFolder).
    static StartupSettings load(const ProfileStore &ini, const QString &defaultFolder);
    // What the window writes back as it closes: this program's version, its place and
    // size (only the top, as -1, when maximized) and its bars; false when a write failed.
    bool saveWindow(ProfileStore &ini) const;
    bool saveCustomColors(ProfileStore &ini) const;
    // The keys of KeyDefine: a value 1..11 gives F2..F12, anything else no key (0).
    static int previewKeyCode(int value);
};
