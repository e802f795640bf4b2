#include "app/CommandGroups.h"

#include "app/EditingCommands.h"
#include "app/MainForm.h"

void CommandGroups::installAll(TMainForm &form)
{
    new EditingCommands(form);
}
