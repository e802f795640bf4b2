#pragma once

#include <QPoint>
#include <QString>

class DocumentManager;
class EditBox;

// The window's tab pages as the file commands drive them: the pages themselves, and the
// window's marks (title, modified mark, tool buttons) brought up to date after a change.
class DocumentTabs
{
public:
    virtual ~DocumentTabs() = default;

    virtual DocumentManager &documentManager() = 0;
    virtual int tabCount() const = 0;
    virtual int activeIndex() const = 0;
    virtual EditBox *activeBox() const = 0;

    // A new editing box in a tab at index; the active page stays as it was.
    virtual EditBox *insertPage(int index, const QString &caption) = 0;
    // Closes the page and its document; the active page is the caller's to choose.
    virtual void removePage(int index) = 0;
    virtual void setPageCaption(int index, const QString &caption) = 0;
    // Makes index the active page without running the tab change handler.
    virtual void selectPageQuietly(int index) = 0;
    // What the window does when the user picks another tab.
    virtual void pageChanged() = 0;
    // After a page was opened: the HTML bar comes back as the user left it.
    virtual void documentOpened() = 0;
    // After pages came or went without a new active page.
    virtual void documentsChanged() = 0;
    // The title and the modified mark, after a save.
    virtual void refreshMarks() = 0;
    virtual void invalidateUndo() = 0;
    // Where the "save the changes?" question is centred.
    virtual QPoint promptCentre() const = 0;
    virtual void showSavedNotice() = 0;
};
