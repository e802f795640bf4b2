#pragma once

#include <QString>
#include <QStringList>

class ResultTable;
class ScriptedPlatform;
class TMainForm;

// The link file list of a page with 10,000 local links, half of them to files that are
// there: from the command to the list complete and shown, the real checker on its worker
// threads, against as many QFileInfo::exists calls and a bare tree widget shown with the
// same rows.
class LinkListScenarios
{
public:
    static constexpr int Links = 10000;

    LinkListScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder, int runs);

    static QStringList names();
    // wanted: the scenario names asked for (all when empty).
    void run(const QStringList &wanted, ResultTable &table);

private:
    TMainForm &form_;
    ScriptedPlatform &platform_;
    QString folder_; // ends with '/'
    int runs_;
};
