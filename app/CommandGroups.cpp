#include "app/CommandGroups.h"

#include "app/MainForm.h"

void CommandGroups::installAll(TMainForm &form)
{
    Q_UNUSED(form);
}
