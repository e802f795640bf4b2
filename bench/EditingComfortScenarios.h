#pragma once

#include <QString>
#include <QStringList>

class ResultTable;
class ScriptedPlatform;
class TMainForm;

// The editing comforts on a page of sizeMb MiB: Replace All of 10,000 occurrences per MiB
// from the replace dialog, against QString::replace and setPlainText on a bare box;
// typing with line numbers and the line/column panel on, against both off in the same box;
// Undo of a whole-page case conversion from the history of many steps, against the
// one-step swap; and the memory that history holds after 20 such conversions.
class EditingComfortScenarios
{
public:
    EditingComfortScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder, int runs);

    static QStringList names();
    // wanted: the scenario names asked for (all when empty).
    void run(const QStringList &wanted, int sizeMb, ResultTable &table);

private:
    void replaceAll(int sizeMb, ResultTable &table);
    void typing(int sizeMb, ResultTable &table);
    // timed: the Undo figure too, not only the memory.
    void undo(int sizeMb, bool timed, ResultTable &table);

    TMainForm &form_;
    ScriptedPlatform &platform_;
    QString folder_;
    int runs_;
};
