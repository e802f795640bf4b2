#pragma once

#include <QString>

#include <climits>

class ProfileStore;

// Every TW.ini key the program owns: its section, its name, the default a reader gives
// when it is missing, and the range of values that mean something where there is one.
// Readers return what the file holds; a value outside the range is for the reader to
// interpret (most read it as their default), never rewritten behind the user's back.
namespace SettingsKeys {

struct IntKey
{
    const char16_t *section;
    const char16_t *key;
    int def;
    int min = INT_MIN;
    int max = INT_MAX;
    bool inRange(int value) const { return value >= min && value <= max; }
};

struct TextKey
{
    const char16_t *section;
    const char16_t *key;
};

// The format of the settings the program writes. Start-up reads it before anything
// else, so that a later change of format has one place to convert older files.
inline constexpr const char16_t *CurrentVersion = u"0.92";
inline constexpr TextKey Version{u"Tagwell", u"Version"};

// Window
inline constexpr IntKey FormTop{u"Form", u"Top", 100}; // -1: maximised
inline constexpr IntKey FormHeight{u"Form", u"Height", 550};
inline constexpr IntKey FormWidth{u"Form", u"Width", 650};
inline constexpr IntKey FormLeft{u"Form", u"Left", 100};
inline constexpr IntKey FormToolBar{u"Form", u"ToolBar", 1, 0, 1};
inline constexpr IntKey FormHtmlBar{u"Form", u"HtmlBar", 1, 0, 1};
inline constexpr IntKey HtmlBarPosition{u"HtmlBar", u"Position", 0, 0, 3};

// Editing box
inline constexpr IntKey TagCase{u"Memo", u"Case", 1, 0, 1};
inline constexpr IntKey StyleCase{u"Memo", u"StyleCase", 0, 0, 1};
inline constexpr IntKey WordWrap{u"Memo", u"WordWrap", 0, 0, 1};
// HTML colouring of the editing boxes: 0 off, 1 on.
inline constexpr IntKey Highlight{u"Memo", u"Highlight", 0, 0, 1};
inline constexpr IntKey TabWidth{u"Memo", u"Tab", 0, 0, 6};
inline constexpr IntKey MemoColor{u"Memo", u"Color", 16777215, 0, 0xFFFFFF}; // BGR
// Documents' encodings: detection at open (1) or every file as Shift-JIS (0); the encoding
// (0 Shift_JIS, 1 UTF-8, 2 UTF-8 with BOM) and line break (0 CRLF, 1 LF) of new documents.
inline constexpr IntKey DetectEncoding{u"Memo", u"DetectEncoding", 1, 0, 1};
inline constexpr IntKey NewEncoding{u"Memo", u"NewEncoding", 0, 0, 2};
inline constexpr IntKey NewLineBreak{u"Memo", u"NewLineBreak", 0, 0, 1};
// Line numbers beside the text; undo of many steps in place of the one-step swap.
inline constexpr IntKey LineNumbers{u"Memo", u"LineNumbers", 0, 0, 1};
inline constexpr IntKey MultiUndo{u"Memo", u"MultiUndo", 0, 0, 1};

// Fonts: the status bar (S), the document tabs (P) and the editing box (E).
inline constexpr IntKey StatusCharset{u"Font", u"SChar", 128};
inline constexpr TextKey StatusFont{u"Font", u"Status"};
inline constexpr IntKey StatusSize{u"Font", u"SSize", 9};
inline constexpr IntKey StatusStyle{u"Font", u"SStyle", 0, 0, 3};
inline constexpr IntKey PageTabCharset{u"Font", u"PChar", 128};
inline constexpr TextKey PageTabFont{u"Font", u"PageTab"};
inline constexpr IntKey PageTabSize{u"Font", u"PSize", 9};
inline constexpr IntKey PageTabStyle{u"Font", u"PStyle", 0, 0, 3};
inline constexpr IntKey EditorCharset{u"Font", u"EChar", 128};
inline constexpr TextKey EditorFont{u"Font", u"Editor"};
inline constexpr IntKey EditorSize{u"Font", u"ESize", 14};
inline constexpr IntKey EditorStyle{u"Font", u"EStyle", 0, 0, 3};
inline constexpr IntKey EditorColor{u"Font", u"EColor", 0, 0, 0xFFFFFF}; // BGR

// The 16 custom colours of the colour dialog: ColorA .. ColorP.
inline constexpr const char16_t *CustomColorSection = u"Custom";
QString customColorKey(int index); // 0..15

// Preview short-cuts: 1..11 give F2..F12.
inline constexpr IntKey PreviewMainKey{u"KeyDefine", u"00000", 8, 1, 11};
inline constexpr IntKey PreviewSubKey{u"KeyDefine", u"00001", 9, 1, 11};

inline constexpr TextKey HomeFolder{u"HomeFolder", u"Path"}; // default: the program folder
inline constexpr TextKey MainBrowser{u"Browser", u"MainPath"};
inline constexpr TextKey SubBrowser{u"Browser", u"SubPath"};
// The browser dialog's chosen list indexes (0..10 give F2..F12).
inline constexpr IntKey MainBrowserKey{u"Browser", u"MainKey", 7, 0, 10};
inline constexpr IntKey SubBrowserKey{u"Browser", u"SubKey", 8, 0, 10};
// What HomeFolder and SubBrowser hold for "none".
inline constexpr const char16_t *NoHomeFolder = u"No";
inline constexpr const char16_t *NoSubBrowser = u"No Use";

// The home folder to use: defaultFolder (the program folder, or an installed copy's
// documents folder) when none is set ("No" or empty).
QString readHomeFolder(const ProfileStore &ini, const QString &defaultFolder);
// The sub browser's path; empty when none is set ("No Use" or empty).
QString readSubBrowser(const ProfileStore &ini);

// Lists kept as Count and numbered keys.
inline constexpr const char16_t *HistorySection = u"Opened";
inline constexpr const char16_t *CountKey = u"Count";

inline constexpr IntKey FontFamily{u"StyleSheet", u"Family", 0};
// The style sheet font and size dialogs' last font-size, weight and italic choices.
inline constexpr IntKey ssFontSizeMode{u"ssFont", u"1", 0, 0, 2}; // 0 none, 1 number with unit, 2 percentage
inline constexpr IntKey ssFontNumber{u"ssFont", u"2", 10};
inline constexpr IntKey ssFontUnit{u"ssFont", u"3", 0, 0, 7};
inline constexpr IntKey ssFontWeight{u"ssFont", u"4", 0, 0, 2}; // 0 none, 1 bold, 2 normal
inline constexpr IntKey ssFontItalic{u"ssFont", u"5", 0, 0, 1};

int read(const ProfileStore &ini, const IntKey &key);
// For choices: a value outside the key's range reads as its default.
int readChoice(const ProfileStore &ini, const IntKey &key);
QString read(const ProfileStore &ini, const TextKey &key, const QString &def = QString());
bool write(ProfileStore &ini, const IntKey &key, int value);
bool write(ProfileStore &ini, const TextKey &key, const QString &value);

} // namespace SettingsKeys
