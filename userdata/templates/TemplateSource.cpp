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
    const TemplateFiles files(folder_);
    QString error;
    // The files before the list, so that no title is listed without its text.
    for (const RegistEntry &e : list_.entries()) {
        const std::optional<QString> text = pendingText(e);
        if (text && !files.writeTemplate(e.title, *text, &error))
            return RegistVerdict::refuse(RegistVerdict::Kind::Warning, UserDataText::writeFailed(error));
    }
    if (!files.writeTitles(list_.titles(), &error))
        return RegistVerdict::refuse(RegistVerdict::Kind::Warning, UserDataText::writeFailed(error));
    return {};
}
