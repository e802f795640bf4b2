#pragma once

#include "platform/Platform.h"

#include <QList>

#include <deque>
#include <functional>

// The seam for tests: every question is answered from a script the test queued,
// and every message and shell request is recorded. An unscripted question fails
// the test loudly instead of blocking on a window.
class ScriptedPlatform : public Platform
{
public:
    struct Message
    {
        MessageKind kind;
        QString title;
        QString text;
        Buttons buttons;
        std::optional<QPoint> topLeft;
        bool overShownWindow = false; // its parent's window was on the screen
        QStringList choices; // the answers of a choose() question
        bool screenCentred = false;
    };
    struct FileCall
    {
        FileRequest request;
        bool save = false;
    };

    ScriptedPlatform();  // installs itself
    ~ScriptedPlatform() override; // restores the Qt implementation

    // Scripts, consumed in order.
    std::deque<FileAnswer> fileAnswers;
    std::deque<Answer> messageAnswers;
    std::deque<int> choiceAnswers; // indexes into the buttons of choose()
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<QString> folderAnswers;
    // Each runs against the dialog (fill fields, press buttons) and returns its result code.
    std::deque<std::function<int(QDialog *)>> dialogScripts;

    // Records.
    QList<Message> messages;
    QList<FileCall> fileCalls;
    QStringList shellOpened;
    QList<QPair<QString, QString>> programsStarted;
    QString clipboard;
    bool clipboardHoldsText = false;
    QString selection; // the X selection a middle click pastes
    bool selectionHoldsText = false;
    int unscripted = 0; // questions asked with nothing scripted
    bool shellSucceeds = true;  // what openWithShell answers
    bool programsStart = true;  // what startProgram answers
    // The colour each colour dialog opened at, and the custom colours it was given.
    QList<QColor> colorInitials;
    QList<QStringList> colorCustoms;

    FileAnswer openFiles(QWidget *parent, const FileRequest &request, bool multiple) override;
    FileAnswer saveFile(QWidget *parent, const FileRequest &request) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &start) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial, QStringList &customColors) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    Answer message(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                   Buttons buttons, std::optional<QPoint> topLeft) override;
    int choose(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
               const QStringList &buttons) override;
    Answer messageOnScreenCentre(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                                 Buttons buttons) override;
    int execDialog(QDialog *dialog) override;
    bool openWithShell(const QString &pathOrUrl) override;
    bool startProgram(const QString &program, const QString &argument) override;
    bool clipboardHasText() override { return clipboardHoldsText; }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString &text) override;
    bool selectionHasText() override { return selectionHoldsText; }
    QString selectionText() override { return selection; }
};
