#pragma once

#include "userdata/listmanager/RegistSource.h"

// The list manager over Temp/Title.lst: entries are template titles.
class TemplateSource : public RegistSource
{
public:
    // folder: the Temp folder, ending in "/".
    explicit TemplateSource(const QString &folder) : folder_(folder) {}

    QString caption() const override { return QStringLiteral("テンプレートの登録"); }
    QString groupCaption() const override { return QStringLiteral("登録済みテンプレートリスト"); }
    void load() override;
    RegistVerdict accept() override;

private:
    QString folder_;
};
