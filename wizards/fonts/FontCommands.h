#pragma once

#include "app/CommandHost.h"

#include <QObject>

class QDialog;

// The font, size, heading and rule dialogs, each with its place.
class FontCommands : public QObject
{
    Q_OBJECT
public:
    explicit FontCommands(CommandHost &host);

    void FontWizardClick(); // menu and pop-up: window left + 180, top + 70
    void FontSpdClick();
    void fSizeClick(); // menu and pop-up: window left + 200, top + 80
    void fSizeSpdClick();
    void aHeaderClick(); // menu and pop-up: upper third
    void aHeaderSpdClick();
    void imgHRWizardClick(); // menu and pop-up: upper third
    void imgHRWizardSpdClick();

private:
    void runFont(Placement placement, QPoint offset = QPoint());
    void runSize(Placement placement, QPoint offset = QPoint());
    void runHeader(Placement placement);
    void runRule(Placement placement);
    // Places and runs the dialog; true when it was confirmed and a document is still open.
    bool confirmed(QDialog &dialog, Placement placement, QPoint offset = QPoint());

    CommandHost &host_;
};
