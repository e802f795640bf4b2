#include "platform/ScriptedPlatform.h"

#include <QDialog>
#include <QWidget>

#include <cstdio>

namespace {
template <typename T>
bool takeFront(std::deque<T> &queue, T &out)
{
    if (queue.empty())
        return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

void complain(const char *what)
{
    std::fprintf(stderr, "ScriptedPlatform: unscripted %s\n", what);
}
} // namespace

ScriptedPlatform::ScriptedPlatform()
{
    Platform::install(this);
}

ScriptedPlatform::~ScriptedPlatform()
{
    Platform::install(nullptr);
}

Platform::FileAnswer ScriptedPlatform::openFiles(QWidget *, const FileRequest &request, bool)
{
    fileCalls.append({request, false});
    FileAnswer a;
    if (!takeFront(fileAnswers, a)) {
        ++unscripted;
        complain("open dialog");
    }
    return a;
}

Platform::FileAnswer ScriptedPlatform::saveFile(QWidget *, const FileRequest &request)
{
    fileCalls.append({request, true});
    FileAnswer a;
    if (!takeFront(fileAnswers, a)) {
        ++unscripted;
        complain("save dialog");
    }
    return a;
}

QString ScriptedPlatform::chooseFolder(QWidget *, const QString &, const QString &)
{
    QString a;
    if (!takeFront(folderAnswers, a)) {
        ++unscripted;
        complain("folder dialog");
    }
    return a;
}

std::optional<QColor> ScriptedPlatform::chooseColor(QWidget *, const QColor &initial, QStringList &customColors)
{
    colorInitials << initial;
    colorCustoms << customColors;
    std::optional<QColor> a;
    if (!takeFront(colorAnswers, a)) {
        ++unscripted;
        complain("colour dialog");
    }
    return a;
}

std::optional<QFont> ScriptedPlatform::chooseFont(QWidget *, const QFont &)
{
    std::optional<QFont> a;
    if (!takeFront(fontAnswers, a)) {
        ++unscripted;
        complain("font dialog");
    }
    return a;
}

Platform::Answer ScriptedPlatform::message(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                                           Buttons buttons, std::optional<QPoint> topLeft)
{
    messages.append({kind, title, text, buttons, topLeft, parent && parent->window()->isVisible(), {}, false});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    Answer a = Answer::Cancel;
    if (!takeFront(messageAnswers, a)) {
        ++unscripted;
        complain("message box question");
    }
    return a;
}

int ScriptedPlatform::choose(QWidget *parent, MessageKind kind, const QString &title, const QString &text,
                             const QStringList &buttons)
{
    const Message m{kind, title, text, Buttons::OkCancel, std::nullopt, parent && parent->window()->isVisible(), buttons, false};
    messages.append(m);
    int index = int(buttons.size()) - 1;
    if (!takeFront(choiceAnswers, index)) {
        ++unscripted;
        complain("choice");
        index = int(buttons.size()) - 1;
    }
    return index;
}

Platform::Answer ScriptedPlatform::messageOnScreenCentre(QWidget *parent, MessageKind kind, const QString &title,
                                                         const QString &text, Buttons buttons)
{
    const Answer a = message(parent, kind, title, text, buttons, std::nullopt);
    messages.last().screenCentred = true;
    return a;
}

int ScriptedPlatform::execDialog(QDialog *dialog)
{
    std::function<int(QDialog *)> script;
    if (!takeFront(dialogScripts, script)) {
        ++unscripted;
        complain("dialog");
        return QDialog::Rejected;
    }
    return script(dialog);
}

bool ScriptedPlatform::openWithShell(const QString &pathOrUrl)
{
    shellOpened << pathOrUrl;
    return shellSucceeds;
}

bool ScriptedPlatform::startProgram(const QString &program, const QString &argument)
{
    programsStarted.append({program, argument});
    return programsStart;
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboard = text;
    clipboardHoldsText = true;
}
