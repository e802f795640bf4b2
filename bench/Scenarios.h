#pragma once

#include "bench/MemoryProbe.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

class EditBox;
class QPlainTextEdit;
class ResultTable;
class ScriptedPlatform;
class TMainForm;

// Every scenario of the benchmark, each against its baseline in the same process: the
// real main window and editing box on one side, the bare Qt facility on the other.
// Each side checks its own outcome, so a wrong result fails the run (std::runtime_error)
// instead of producing a fast figure.
class Scenarios
{
public:
    static QStringList names();

    // runs: timed pairs per figure (medians are reported). only: scenario names, empty for all.
    Scenarios(int runs, const QSet<QString> &only);
    ~Scenarios();

    void runSize(int sizeMb, ResultTable &table);

private:
    struct Document
    {
        int sizeMb = 0;
        QString path;
        QByteArray bytes;
        QString text; // as the box holds it
        int sectionStart = 0; // the first section element, in text offsets
        int sectionLength = 0;
        int wordStart = 0; // a word in the middle
        int wordLength = 0;
        int indentFirstLine = 0;
        int indentLines = 0;
    };

    bool wanted(const QString &name) const { return only_.isEmpty() || only_.contains(name); }
    Document makeDocument(int sizeMb);
    EditBox *openInForm(const QString &path);
    // The page in UTF-8: open, decode, encode and save.
    void utf8(const Document &doc, ResultTable &table);
    // Our Open of the file, timed until the box is painted, checked to hold length characters
    // in the encoding named, then closed.
    double timedOpen(const QString &path, int length, const QString &encoding, const QString &scenario);
    // Our Save of the box's document, timed; its file flushed afterwards, untimed.
    double timedSave(EditBox *box, const QString &path, const QString &scenario);
    void closeInForm();
    // Fails when the window asked or told the user anything.
    void checkQuiet() const;
    // A bare box of the editing box's size, font and wrapping, not yet shown.
    QPlainTextEdit *makeBaselineBox();
    // Opens the document once to copy the editing box's shape and check what it holds.
    void learnShape(const Document &doc);

    void open(const Document &doc, ResultTable &table);
    void codec(const Document &doc, ResultTable &table);
    void insertAndUndo(const Document &doc, ResultTable &table);
    void selectionRewrites(const Document &doc, ResultTable &table);
    void indentLines(const Document &doc, ResultTable &table);
    void save(const Document &doc, const QString &editPath, ResultTable &table);
    void memory(const Document &doc, ResultTable &table);

    int runs_;
    QSet<QString> only_;
    QTemporaryDir dir_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<TMainForm> form_;
    QWidget host_; // the baseline boxes live here, at the size of the editing box
    MemoryProbe::Shape shape_;
    // The document under edit for the editing scenarios, in the window and in a bare box.
    EditBox *box_ = nullptr;
    QPlainTextEdit *base_ = nullptr;
    bool dictionaryDone_ = false; // the dictionary scenarios do not depend on the document
};
