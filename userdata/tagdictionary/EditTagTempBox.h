#pragma once

#include "userdata/tagdictionary/TagDictionaryEditor.h"

#include <QDialog>
#include <QStringList>

#include <functional>

namespace Ui {
class TEditTagTempBox;
}

// The tag dictionary editor. It works on its own copy of the dictionary's lines; Save hands
// that copy to the saver, and the editor closes only when the saver succeeded.
class TEditTagTempBox : public QDialog
{
    Q_OBJECT
public:
    // Writes the lines as the new dictionary, telling the user (over the editor) about a failure.
    using Saver = std::function<bool(QWidget *editor, const QStringList &lines)>;

    // programFolder: where IndexOf.txt is written and Help/ is found.
    TEditTagTempBox(const QStringList &lines, const QString &programFolder, Saver saver, QWidget *parent = nullptr);
    ~TEditTagTempBox() override;

    const QStringList &workingCopy() const { return editor_.lines(); }

    void TagListBoxClick();
    void AddBtnClick();
    void DelBtnClick();
    void UpdateBtnClick();
    void SaveBtnClick();
    void HelpBtnClick();

private:
    void showNotices();
    void fillTagList();
    QString selectedTag() const;

    Ui::TEditTagTempBox *ui;
    TagDictionaryEditor editor_;
    QString programFolder_;
    Saver saver_;
};
