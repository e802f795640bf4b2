#pragma once

class TMainForm;

// The command groups of the program's subsystems. Each is a QObject child of the main
// window that binds its own items through the command host; this is the one place that
// creates them all and wires the few that work together.
class CommandGroups
{
public:
    static void installAll(TMainForm &form);
};
