#pragma once

#include "userdata/listmanager/RegistSource.h"

// The list manager over CustomTag.ini: each entry's title is the tag's name, its data the
// head and the foot.
class CustomTagSource : public RegistSource
{
public:
    explicit CustomTagSource(const QString &iniPath) : path_(iniPath) {}

    QString caption() const override { return QStringLiteral("タグの登録"); }
    QString groupCaption() const override { return QStringLiteral("登録済みタグリスト"); }
    void load() override;
    RegistVerdict accept() override;

    static RegistEntry entry(const QString &name, const QString &head, const QString &foot)
    {
        return {name, {head, foot}};
    }

private:
    QString path_;
};
