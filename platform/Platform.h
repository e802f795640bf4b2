#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

// The one seam between the program and the desktop: common dialogs, message boxes,
// the shell and the clipboard. Users get the Qt implementation; tests install a
// scripted one and answer every question themselves.
class Platform
{
public:
    enum class MessageKind { Information, Warning, Plain };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileRequest
    {
        QString title;
        QString folder;   // initial folder; empty for where the user last was
        QString fileName; // proposed name (save)
        QStringList filters; // Qt form, e.g. "HTMLファイル (*.htm *.html)"
        int filterIndex = 0;
        QString defaultSuffix;
        // The filter, by index, that lists only the files the user may run (-1: none):
        // programs here carry no suffix a name filter could pick out.
        int programsFilter = -1;
    };
    struct FileAnswer
    {
        QStringList files; // empty on cancel
        int filterIndex = 0;
    };

    virtual ~Platform() = default;

    virtual FileAnswer openFiles(QWidget *parent, const FileRequest &request, bool multiple) = 0;
    // The save dialog asks before replacing an existing file of the name chosen.
    virtual FileAnswer saveFile(QWidget *parent, const FileRequest &request) = 0;
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &start) = 0;
    // customColors: the 16 custom colours as "RRGGBB"-style hexadecimal values, kept by the caller.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial, QStringList &customColors) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;

    // "\r\n" and a lone "\r" in text are line breaks. topLeft, when given, is in screen coordinates.
    virtual Answer message(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                           Buttons buttons, std::optional<QPoint> topLeft = std::nullopt) = 0;
    // A question whose answers are the buttons given, the first the default and the last the
    // one Escape presses; returns the index of the answer.
    virtual int choose(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                       const QStringList &buttons) = 0;
    // The same, in the middle of the screen the parent is on rather than over the parent.
    virtual Answer messageOnScreenCentre(QWidget *parent, MessageKind kind, const QString &title,
                                         const QString &text, Buttons buttons) = 0;

    // Runs one of the program's own modal dialogs; returns its result code.
    virtual int execDialog(QDialog *dialog) = 0;

    // Opens a file or address with the desktop's handler for it.
    virtual bool openWithShell(const QString &pathOrUrl) = 0;
    // Starts a program detached, with one argument passed whole.
    virtual bool startProgram(const QString &program, const QString &argument) = 0;

    virtual bool clipboardHasText() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString &text) = 0;
    // The X selection (what a middle click pastes); no text where the desktop has none.
    virtual bool selectionHasText() = 0;
    virtual QString selectionText() = 0;

    // The seam in use; the Qt implementation unless a test installed another.
    static Platform &instance();
    static void install(Platform *platform); // nullptr restores the Qt implementation
};

// Titles and texts of the information messages shared across the program.
namespace Messages {
inline const QString InfoTitle = QStringLiteral("情報");
// The program's name, the title of its warnings.
inline const QString AppTitle = QStringLiteral("Tagwell");
// "Not built yet" for a help topic or command that has nothing to show, near the mouse.
void ShowNotYetNotice(QWidget *parent);
}
