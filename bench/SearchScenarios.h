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
// them; once with case and once blind to it. And the memory a million finds take: a
// letter searched on a one-line page of 1 MiB, the results window shown, against the
// same rows as items of a bare tree widget; each side in a process of its own, counted
// from what the process held with the page open.
class SearchScenarios
{
public:
    SearchScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder, int runs);

    static QStringList names();
    // wanted: the scenario names asked for (all when empty).
    void run(const QStringList &wanted, int sizeMb, ResultTable &table);
    // The million finds: once per run, its page does not grow with the sizes.
    void runManyFinds(const QStringList &wanted, ResultTable &table);

    // One line of 1 MiB: ManyFinds times the letter ManyFindsLetter, the rest another.
    static QByteArray manyFindsPage();
    static constexpr int ManyFinds = 1000000;
    static inline const QString ManyFindsLetter = QStringLiteral("q");

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
