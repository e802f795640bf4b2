#pragma once

#include <QString>
#include <QStringList>

class ResultTable;
class ScriptedPlatform;
class TMainForm;

// The tag dictionary with 5,000 tags of 40 attributes each: completion from the command to
// the pop-up shown with its list, against a bare list widget filled and shown with the same
// entries; and loading the dictionary, against reading the file's lines.
class DictionaryScenarios
{
public:
    DictionaryScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &programFolder, int runs);

    static QStringList names();
    // wanted: the scenario names asked for (all when empty).
    void run(const QStringList &wanted, ResultTable &table);

private:
    void completion(const QString &name, const QString &typed, ResultTable &table);
    void load(ResultTable &table);

    TMainForm &form_;
    ScriptedPlatform &platform_;
    QString path_;
    int runs_;
};
