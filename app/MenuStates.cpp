#include "app/MenuStates.h"

#include "app/CommandRegistry.h"
#include "editing/MenuEnabling.h"

#include <QAction>
#include <QMenu>

void MenuStates::directItems(const char *menuName, bool on)
{
    const QMenu *menu = items_.menu(QLatin1String(menuName));
    if (!menu)
        return;
    const auto actions = menu->actions();
    for (QAction *a : actions) {
        if (!a->isSeparator())
            items_.setItemEnabled(a, on);
    }
}

void MenuStates::fileMenu(const State &s)
{
    // The file set and history sub-menus are rebuilt by their own groups.
    for (const char *name : {"FileProperty", "FileClose", "FileSaveAs"})
        items_.setItemEnabled(QLatin1String(name), s.tabCount > 0);
    items_.setItemEnabled(QStringLiteral("FileSave"), s.tabCount > 0 && s.saveButton);
    items_.setItemEnabled(QStringLiteral("FileAllClose"), s.tabCount >= 2);
}

void MenuStates::enable(std::initializer_list<std::pair<const char *, bool>> states)
{
    for (const auto &[name, on] : states)
        items_.setItemEnabled(QLatin1String(name), on);
}

void MenuStates::editMenu(const State &s)
{
    const bool open = s.tabCount > 0 && s.activePage;
    const MenuEnabling::EditMenu e = MenuEnabling::editMenu(s.tabCount, open ? s.selLength : 0, open && s.clipboardText);
    // The paste button follows the Paste menu item.
    enable({{"EditUndo", e.undo}, {"EditCut", e.cut}, {"EditCopy", e.copy}, {"EditPaste", e.paste}, {"EditDel", e.del},
            {"EditLineCopy", e.lineCopy}, {"EditLineDel", e.lineDelete}, {"EditIndent", e.indent},
            {"EditUnIndent", e.unindent}, {"EditSelectAll", e.selectAll}, {"EditPasteSpeed", e.paste}});
}

void MenuStates::memoPopup(const State &s)
{
    const bool open = s.tabCount > 0 && s.activePage;
    const MenuEnabling::MemoPopup m = MenuEnabling::memoPopup(open ? s.selLength : 0, open && s.clipboardText);
    enable({{"PopPaste", m.paste}, {"PopCut", m.cut}, {"PopCopy", m.copy}, {"PopAddTemp", m.addTemp},
            {"PopTagCut", m.tagCut}, {"PopUpperCase", m.upperCase}, {"PopLowerCase", m.lowerCase}});
}

void MenuStates::toolMenu(const State &s)
{
    const bool open = s.tabCount > 0 && s.activePage;
    const MenuEnabling::ToolMenu t = MenuEnabling::toolMenu(s.tabCount, open ? s.selLength : 0);
    enable({{"AddTemp", t.addTemp}, {"ToolUpper", t.toolUpper}, {"ToolLower", t.toolLower}, {"ToolTagCut", t.toolTagCut},
            {"ToolDate", t.toolDate}, {"ToolTagTemplate", t.toolTagTemplate}});
    for (const char *name : {"ToolTag", "ToolTemp"}) {
        const QMenu *sub = items_.menu(QLatin1String(name));
        if (!sub)
            continue;
        const auto entries = sub->actions();
        for (int i = 1; i < entries.size(); ++i)
            items_.setItemEnabled(entries.at(i), t.subMenuEntries);
    }
}

void MenuStates::optionMenu(const State &s)
{
    items_.setItemChecked(QStringLiteral("OptToolBar"), s.toolBarShown);
    if (const QMenu *widths = items_.menu(QStringLiteral("OptTabWidth"))) {
        const auto actions = widths->actions();
        for (int i = 0; i < actions.size(); ++i)
            actions.at(i)->setChecked(i == s.tabWidthIndex);
    }
    for (const char *name : {"OptFont", "OptColor", "OptWordWrap"})
        items_.setItemEnabled(QLatin1String(name), s.tabCount > 0);
}

void MenuStates::pagePopup(const State &s)
{
    items_.setItemEnabled(QStringLiteral("PopSave"), s.saveButton);
    items_.setItemEnabled(QStringLiteral("PopCloseAll"), s.tabCount >= 2);
    for (const char *name : {"PopNew", "PopOpen", "PopSaveAs", "PopClose", "PopProperty"})
        items_.setItemEnabled(QLatin1String(name), true);
}

void MenuStates::toolButtons(const State &s)
{
    if (s.tabCount > 0) {
        for (const char *name : {"ViewFontSpeed", "ViewColorSpeed", "EditUndoSpeed"})
            items_.setItemEnabled(QLatin1String(name), true);
        return;
    }
    for (const char *name : {"HtmlBarSpd", "EditUndoSpeed", "EditCutSpd", "EditCopySpd", "EditPasteSpeed",
                             "ViewFontSpeed", "ViewColorSpeed"})
        items_.setItemEnabled(QLatin1String(name), false);
}

void MenuStates::all(const State &s)
{
    fileMenu(s);
    editMenu(s);
    htmlMenu(s);
    cssMenu(s);
    searchMenu(s);
    optionMenu(s);
    toolMenu(s);
    memoPopup(s);
    pagePopup(s);
}
