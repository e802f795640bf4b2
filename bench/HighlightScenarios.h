#pragma once

#include "bench/MemoryProbe.h"

#include <QString>
#include <QStringList>

class EditBox;
class ResultTable;
class ScriptedPlatform;
class TMainForm;

// HTML colouring in the editing box against the same window with colouring off, in the same
// run: the page opened and painted; a letter typed in its middle; Ctrl+End from the top to
// the last line; Page Down from the top to the last line, each page painted; and the peak
// memory of a process that opens and paints it (each side in a process of its own).
// Opening and memory switch colouring through the Options menu item between runs; the others
// keep the page open twice, once coloured and once not, and show either tab in turn.
class HighlightScenarios
{
public:
    HighlightScenarios(TMainForm &form, ScriptedPlatform &platform, int runs);

    static QStringList names();
    // wanted: the scenario names asked for (all when empty). path: the generated page of
    // sizeMb MiB, length characters as the box holds it; middle: a text offset in its middle.
    void run(const QStringList &wanted, const QString &path, int sizeMb, int length, int middle,
             const MemoryProbe::Shape &shape, ResultTable &table);

private:
    void setColouring(bool on);
    EditBox *open(const QString &path, int length);
    void close();
    // Back to the top with every block's layout and colours dropped, as after opening: the
    // next paint of any page lays it out (and colours it) afresh on either side.
    void freshView(EditBox *box);

    TMainForm &form_;
    ScriptedPlatform &platform_;
    int runs_;
};
