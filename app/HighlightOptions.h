#pragma once

#include <QObject>

class CommandHost;
class EditBox;

// The Options menu's 色分け表示: HTML colouring in every editing box, open and to come.
// Off unless TW.ini says otherwise; each change is written at once.
class HighlightOptions : public QObject
{
    Q_OBJECT
public:
    explicit HighlightOptions(CommandHost &host);

    void OptHighlightClick();
    bool isOn() const { return on_; }

private:
    void apply(EditBox *box) const;

    CommandHost &host_;
    bool on_ = false;
};
