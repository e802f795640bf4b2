#pragma once

// Which items of the Edit menu, the editing pop-up menu and the Tool menu are
// enabled, from the state when the menu opens. Items not named here keep their state.
class MenuEnabling
{
public:
    struct EditMenu
    {
        bool undo = false;
        bool cut = false;
        bool copy = false;
        bool paste = false;
        bool del = false;
        bool lineCopy = false;
        bool lineDelete = false;
        bool indent = false;
        bool unindent = false;
        bool selectAll = false;
    };
    // With no tab open every item is disabled.
    static EditMenu editMenu(int tabCount, int selLength, bool clipboardHasText);

    // MemoPopup: only these follow the state; every other item stays enabled.
    struct MemoPopup
    {
        bool paste = false;     // PopPaste
        bool cut = false;       // PopCut
        bool copy = false;      // PopCopy
        bool addTemp = false;   // PopAddTemp
        bool tagCut = false;    // PopTagCut
        bool upperCase = false; // PopUpperCase
        bool lowerCase = false; // PopLowerCase
    };
    static MemoPopup memoPopup(int selLength, bool clipboardHasText);

    // MenuTool. With no tab open the items from AddTemp to ToolTagTemplate and the
    // sub-menu items from the second on are disabled; the first item of each
    // sub-menu and the other items of the menu are left as they are.
    struct ToolMenu
    {
        bool addTemp = false;
        bool toolLower = false;
        bool toolUpper = false;
        bool toolTagCut = false;
        bool toolDate = false;
        bool toolTagTemplate = false;
        bool subMenuEntries = false; // ToolTag and ToolTemp, from the second item on
    };
    static ToolMenu toolMenu(int tabCount, int selLength);
};
