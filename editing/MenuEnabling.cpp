#include "editing/MenuEnabling.h"

MenuEnabling::EditMenu MenuEnabling::editMenu(int tabCount, int selLength, bool clipboardHasText)
{
    EditMenu m;
    if (tabCount <= 0)
        return m;
    const bool selected = selLength > 0;
    m.undo = true;
    m.selectAll = true;
    m.lineCopy = true;
    m.lineDelete = true;
    // Indent and unindent come back with the first tab like the other line tools.
    m.indent = true;
    m.unindent = true;
    m.paste = clipboardHasText;
    m.cut = selected;
    m.copy = selected;
    m.del = selected;
    return m;
}

MenuEnabling::MemoPopup MenuEnabling::memoPopup(int selLength, bool clipboardHasText)
{
    MemoPopup m;
    const bool selected = selLength > 0;
    m.paste = clipboardHasText;
    m.cut = selected;
    m.copy = selected;
    m.addTemp = selected;
    m.tagCut = selected;
    m.upperCase = selected;
    m.lowerCase = selected;
    return m;
}

MenuEnabling::ToolMenu MenuEnabling::toolMenu(int tabCount, int selLength)
{
    ToolMenu m;
    if (tabCount <= 0)
        return m;
    const bool selected = selLength > 0;
    m.addTemp = selected;
    m.toolLower = selected;
    m.toolUpper = selected;
    m.toolTagCut = selected;
    m.toolDate = true;
    m.toolTagTemplate = true;
    m.subMenuEntries = true;
    return m;
}
