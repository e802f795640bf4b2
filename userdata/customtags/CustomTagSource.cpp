#include "userdata/customtags/CustomTagSource.h"

#include "userdata/customtags/CustomTagFile.h"
#include "userdata/listmanager/UserDataText.h"

void CustomTagSource::load()
{
    list_.clear();
    // Foot defaults to "No" here as in the menu, so a head-only tag stays one when saved.
    for (const CustomTag &t : CustomTagFile(path_).readAll(QString()))
        list_.append(entry(t.name, t.head, t.foot));
}

RegistVerdict CustomTagSource::accept()
{
    QList<CustomTag> tags;
    for (const RegistEntry &e : list_.entries())
        tags.append({e.title, e.data.value(0), e.data.value(1)});
    QString error;
    if (!CustomTagFile(path_).writeAll(tags, &error))
        return RegistVerdict::refuse(RegistVerdict::Kind::Warning, UserDataText::writeFailed(error));
    return {};
}
