#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

struct EditContext;

// The Edit and Tool menus' commands that change the text without a dialog, by
// the names of their menu items, tool buttons and pop-up items.
class EditTools
{
public:
    enum class Command {
        Undo,         // EditUndo, EditUndoSpeed, PopUndo
        UpperCase,    // ToolUpper, UpperSpd, PopUpperCase
        LowerCase,    // ToolLower, LowerSpd, PopLowerCase
        TagCut,       // ToolTagCut, TagCutSpd, PopTagCut
        Indent,       // EditIndent
        Unindent,     // EditUnIndent
        LineDelete,   // EditLineDel
        LineCopy,     // EditLineCopy
    };

    static std::optional<Command> find(QStringView componentName);
    static QStringList names();
    // Runs the command of that component name; false for a name that is none of these.
    static bool run(QStringView componentName, const EditContext &context);
    static void run(Command command, const EditContext &context);
};
