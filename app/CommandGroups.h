#pragma once

#include <QObject>

class TMainForm;

// The command groups of the program's subsystems. Each is a QObject child of the main
// window that binds its own items; this is the one place that creates them all.
class CommandGroups
{
public:
    static void installAll(TMainForm &form);
};
