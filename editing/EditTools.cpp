#include "editing/EditTools.h"

#include "editing/EditContext.h"
#include "editing/LineTools.h"
#include "editing/SelectionTools.h"
#include "editing/UndoSnapshot.h"

#include <QHash>

namespace {

const QHash<QString, EditTools::Command> &nameTable()
{
    using C = EditTools::Command;
    static const QHash<QString, C> table = {
        {QStringLiteral("EditUndo"), C::Undo},
        {QStringLiteral("EditUndoSpeed"), C::Undo},
        {QStringLiteral("PopUndo"), C::Undo},
        {QStringLiteral("ToolUpper"), C::UpperCase},
        {QStringLiteral("UpperSpd"), C::UpperCase},
        {QStringLiteral("PopUpperCase"), C::UpperCase},
        {QStringLiteral("ToolLower"), C::LowerCase},
        {QStringLiteral("LowerSpd"), C::LowerCase},
        {QStringLiteral("PopLowerCase"), C::LowerCase},
        {QStringLiteral("ToolTagCut"), C::TagCut},
        {QStringLiteral("TagCutSpd"), C::TagCut},
        {QStringLiteral("PopTagCut"), C::TagCut},
        {QStringLiteral("EditIndent"), C::Indent},
        {QStringLiteral("EditUnIndent"), C::Unindent},
        {QStringLiteral("EditLineDel"), C::LineDelete},
        {QStringLiteral("EditLineCopy"), C::LineCopy},
    };
    return table;
}

} // namespace

std::optional<EditTools::Command> EditTools::find(QStringView componentName)
{
    const auto it = nameTable().constFind(componentName.toString());
    if (it == nameTable().constEnd())
        return std::nullopt;
    return it.value();
}

QStringList EditTools::names()
{
    QStringList list = nameTable().keys();
    list.sort();
    return list;
}

bool EditTools::run(QStringView componentName, const EditContext &context)
{
    const std::optional<Command> command = find(componentName);
    if (!command)
        return false;
    run(*command, context);
    return true;
}

void EditTools::run(Command command, const EditContext &context)
{
    switch (command) {
    case Command::Undo:
        context.snapshot.undo(context.box);
        break;
    case Command::UpperCase:
        SelectionTools::toUpperCase(context);
        break;
    case Command::LowerCase:
        SelectionTools::toLowerCase(context);
        break;
    case Command::TagCut:
        SelectionTools::removeTagPair(context);
        break;
    case Command::Indent:
        LineTools::indent(context);
        break;
    case Command::Unindent:
        LineTools::unindent(context);
        break;
    case Command::LineDelete:
        LineTools::deleteLine(context);
        break;
    case Command::LineCopy:
        LineTools::copyLine(context);
        break;
    }
}
