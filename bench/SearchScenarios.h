#pragma once

#include <QString>
#include <QStringList>

class QTextDocument;
class ResultTable;
class ScriptedPlatform;
class TMainForm;

// The document search of a page of ordinary lines holding a word 10,000 times per MiB:
// from the keyword started in the search dialog to the results window filled and shown,
// against QString::indexOf collecting the same rows into a bare tree widget shown with
// them; once with case and once blind to it.
class SearchScenarios
{
public:
    SearchScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder, int runs);

    static QStringList names();
    // wanted: the scenario names asked for (all when empty).
    void run(const QStringList &wanted, int sizeMb, ResultTable &table);

    // A CP932 page of about sizeMb MiB of short lines in which `occurrences` of Word stand
    // as they are and as many of BlindWord in mixed case; never in the rest of the text.
    static QByteArray page(int sizeMb, int occurrences);
    static inline const QString Word = QStringLiteral("quillon");
    static inline const QString BlindWord = QStringLiteral("marrow");

private:
    void measure(const QString &name, const QTextDocument &document, const QString &text, const QString &keyword,
                 bool caseSensitive,
                 int expected, int sizeMb, ResultTable &table);

    TMainForm &form_;
    ScriptedPlatform &platform_;
    QString folder_;
    int runs_;
};
