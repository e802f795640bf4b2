#pragma once

#include "platform/Platform.h"

class QMessageBox;

// The seam as users meet it: Qt's dialogs, message boxes, desktop services and clipboard.
class QtPlatform : public Platform
{
public:
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
    bool clipboardHasText() override;
    QString clipboardText() override;
    bool selectionHasText() override;
    QString selectionText() override;
    void setClipboardText(const QString &text) override;

    // "HTMLファイル (*.htm *.html)" with its patterns matching either letter case.
    static QString caseBlindFilter(const QString &filter);
    // A message's "\r\n" and lone "\r" as line breaks.
    static QString messageText(const QString &text);

private:
    // Title, text as written and icon, as every message box has them.
    static void setUpMessage(QMessageBox &box, MessageKind kind, const QString &title, const QString &text);
    static Answer runMessage(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                             Buttons buttons, const std::function<void(QMessageBox &)> &place);
};
