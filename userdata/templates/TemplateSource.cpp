#include "userdata/templates/TemplateSource.h"

#include "userdata/templates/TemplateFiles.h"
#include "userdata/listmanager/UserDataText.h"

void TemplateSource::load()
{
    list_.clear();
    for (const QString &t : TemplateFiles(folder_).titles())
        list_.append({t, {}});
}

RegistVerdict TemplateSource::accept()
{
    QString error;
    if (!TemplateFiles(folder_).writeTitles(list_.titles(), &error))
        return RegistVerdict::refuse(RegistVerdict::Kind::Warning, UserDataText::writeFailed(error));
    return {};
}
