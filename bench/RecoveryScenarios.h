#pragma once

#include <QString>
#include <QStringList>

class ResultTable;
class TMainForm;

// The recovery journal's cost to a long document: typing a character with journals on against
// the same window with them off, and the bytes the journal takes for 1,000 single-character
// edits against the size of the document's text.
class RecoveryScenarios
{
public:
    RecoveryScenarios(TMainForm &form, const QString &folder, int runs);

    static QStringList names();
    void run(const QStringList &wanted, const QString &documentPath, int sizeMb, ResultTable &table);

private:
    void typing(int sizeMb, ResultTable &table);
    void journalBytes(int sizeMb, ResultTable &table);

    TMainForm &form_;
    QString folder_;
    int runs_;
};
