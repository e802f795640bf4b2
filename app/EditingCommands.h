#pragma once

#include <QColor>
#include <QObject>

#include <functional>

class CommandHost;
class IEditBox;

// Binds the tag editing engine to the main window: fixed tags, the Edit menu,
// colours, case and line tools, and the tag and style case settings.
class EditingCommands : public QObject
{
    Q_OBJECT
public:
    explicit EditingCommands(CommandHost &host);

    // The comment commands want the comment input box when the engine says so;
    // atCursor: started from the tool button. Until a handler is set they say so.
    void setCommentBoxHandler(std::function<void(bool atCursor)> handler) { commentBox_ = std::move(handler); }

    void runFixedTag(const QString &name);
    void runEditTool(const QString &name);
    void runColorCommand(const QString &name);
    void EditCutClick();
    void EditCopyClick();
    void EditPasteClick();
    void EditDelClick();
    void EditSelectAllClick();
    void setTagCase(int value);
    void setStyleCase(int value);

private:
    IEditBox *activeBox() const;

    CommandHost &host_;
    std::function<void(bool)> commentBox_;
};
