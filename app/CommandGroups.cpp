#include "app/CommandGroups.h"

#include "app/EditingCommands.h"
#include "app/FileDrop.h"
#include "app/MainForm.h"
#include "app/PreviewCommands.h"
#include "app/RecentFiles.h"
#include "app/ShortcutLink.h"
#include "app/ViewOptions.h"
#include "userdata/SearchCommands.h"
#include "wizards/ImageCommands.h"
#include "wizards/LinkCommands.h"
#include "wizards/LinkFileCommands.h"
#include "wizards/TableCommands.h"

void CommandGroups::installAll(TMainForm &form)
{
    new EditingCommands(form);
    new RecentFiles(form);
    new ShortcutLink(form);
    new FileDrop(form);
    new PreviewCommands(form);
    new ViewOptions(form);
    new LinkCommands(form); // after EditingCommands: it takes over the comment input box
    new ImageCommands(form);
    new TableCommands(form);
    new SearchCommands(form);
    new LinkFileCommands(form);
}
