#include "editing/StyleBlock.h"

#include "editing/AsciiCase.h"
#include "editing/IEditBox.h"
#include "editing/UndoSnapshot.h"

QStringList StyleBlock::lines(int tagCase)
{
    return {AsciiCase::forSetting(u"<STYLE TYPE=\"TEXT/CSS\">", tagCase), QStringLiteral("<!--"),
            QStringLiteral(" "), QStringLiteral("-->"), AsciiCase::forSetting(u"</STYLE>", tagCase)};
}

bool StyleBlock::Declare(const EditContext &context)
{
    IEditBox &box = context.box;
    const QString block = lines(context.tagCase).join(QLatin1Char('\n'));
    // The rule line is the third; its space is where the user types.
    const int ruleEnd = int(lines(context.tagCase).at(0).size() + 1 + 4 + 1 + 1);
    if (box.length() == 0) {
        context.snapshot.take(box);
        EditBoxUpdateGuard hold(box);
        box.replaceRange(0, 0, block);
        box.setSelection(ruleEnd, 0);
        return true;
    }
    const int count = box.lineCount();
    for (int i = 0; i < count; ++i) {
        if (!AsciiCase::contains(box.line(i), u"</HEAD>"))
            continue;
        const int at = box.posFromLine(i);
        context.snapshot.take(box);
        EditBoxUpdateGuard hold(box);
        box.replaceRange(at, 0, block + QLatin1Char('\n'));
        box.setSelection(at + ruleEnd, 0);
        return true;
    }
    return false;
}
