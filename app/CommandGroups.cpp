#include "app/CommandGroups.h"

#include "app/EditingCommands.h"
#include "app/EditingOptions.h"
#include "app/EncodingOptions.h"
#include "app/FileDrop.h"
#include "app/HighlightOptions.h"
#include "app/MainForm.h"
#include "app/PreviewCommands.h"
#include "app/RecentFiles.h"
#include "app/ShortcutLink.h"
#include "app/ViewOptions.h"
#include "userdata/customtags/CustomTagCommands.h"
#include "userdata/filesets/FileSetCommands.h"
#include "userdata/search/ReplaceCommands.h"
#include "userdata/search/SearchCommands.h"
#include "userdata/settings/SettingsCommands.h"
#include "userdata/tagdictionary/TagTemplateCommands.h"
#include "userdata/templates/TemplateCommands.h"
#include "wizards/lists/DateCommands.h"
#include "wizards/fonts/FontCommands.h"
#include "wizards/frames/FrameCommands.h"
#include "wizards/images/ImageCommands.h"
#include "wizards/links/LinkCommands.h"
#include "wizards/links/LinkFileCommands.h"
#include "wizards/links/LinkMarkup.h"
#include "wizards/lists/ListCommands.h"
#include "wizards/lists/MarqueeCommands.h"
#include "wizards/pageinfo/PageInfoCommands.h"
#include "wizards/stylesheets/StyleSheetCommands.h"
#include "wizards/tables/TableCommands.h"

void CommandGroups::installAll(TMainForm &form)
{
    CommandHost &host = form;
    auto *editing = new EditingCommands(host);
    new RecentFiles(host);
    new ShortcutLink(host);
    new FileDrop(host);
    new PreviewCommands(host);
    new EncodingOptions(host);
    // The view options are the window's own tool bars and boxes.
    new ViewOptions(form);
    new EditingOptions(form);
    new HighlightOptions(host);
    auto *links = new LinkCommands(host);
    new ImageCommands(host);
    new TableCommands(host);
    new PageInfoCommands(host);
    new FontCommands(host);
    new FrameCommands(host);
    new ListCommands(host);
    new MarqueeCommands(host);
    new DateCommands(host);
    new TagTemplateCommands(host);
    new CustomTagCommands(host);
    new TemplateCommands(host);
    auto *fileSets = new FileSetCommands(host);
    auto *search = new SearchCommands(host);
    new ReplaceCommands(host, *search);
    new LinkFileCommands(host);
    new SettingsCommands(host);
    new StyleSheetCommands(host);

    // The engine decides whether a comment command wraps the selection or asks for text.
    editing->setCommentBoxHandler([links](bool atCursor) {
        links->openInputBox(LinkMarkup::Comment, atCursor ? LinkCommands::Where::AtCursor : LinkCommands::Where::UpperThird);
    });
    // Internet shortcuts named on the command line become links.
    form.setShortcutFileHandler([&host](const QString &file) { ShortcutLink::InsertShortcutLink(host, file); });
    // With no files on the command line, the file sets marked for start-up open.
    form.setStartupSetOpener([fileSets] { fileSets->openStartupSets(); });
}
