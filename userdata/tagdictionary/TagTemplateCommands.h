#pragma once

#include "userdata/tagdictionary/TagDictionary.h"

#include <QObject>
#include <QStringList>

class CommandHost;
class QWidget;

// The tag dictionary for the whole run, the completion pop-up and the dictionary editor.
class TagTemplateCommands : public QObject
{
    Q_OBJECT
public:
    explicit TagTemplateCommands(CommandHost &host);

    // Template.tag of the program folder, or an empty dictionary when there is none.
    void LoadTagDictionary();
    void ToolTagTemplateClick();
    void ToolEditTagTemplateClick();

    const TagDictionary &dictionary() const { return dictionary_; }
    // Template.tag.bak from the dictionary held, then Template.tag from lines; the dictionary
    // is replaced only when both were written. A failure is shown over parent.
    bool saveDictionary(QWidget *parent, const QStringList &lines);

private:
    QString dictionaryPath() const;

    CommandHost &host_;
    TagDictionary dictionary_;
};
