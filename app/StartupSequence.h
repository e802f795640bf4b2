#pragma once

#include <QStringList>

class TMainForm;

// The window is shown first and the files of the command line open once the event loop
// runs, so that every message they raise (an unreadable file, the duplicate-characters
// notice) appears over the main window instead of alone before it. The unsaved work of a
// run that did not end cleanly is offered back first.
class StartupSequence
{
public:
    static void showThenOpen(TMainForm &window, const QStringList &arguments);
};
