#pragma once

#include <QObject>

class TMainForm;

// The layout switches of the main window: tool bar, HTML tool bar and where it sits,
// word wrap of the editing boxes, and the tab width.
class ViewOptions : public QObject
{
    Q_OBJECT
public:
    // Also puts the HTML tool bar where TW.ini last left it.
    explicit ViewOptions(TMainForm &form);

    void OptToolBarClick();
    // The menu item records the wish in any case; the bar itself shows only with a page open.
    void HtmlBarClick();
    void HtmlBarSpdClick();
    // position: 0 to 3 (items HTBPos1 to HTBPos4).
    void HTBPosClick(int position);
    void OptWordWrapClick();

    // True when the HTML tool bar sits below the documents.
    bool htmlBarAtBottom() const;

private:
    void placeHtmlBar(int position);

    TMainForm &form_;
};
