#pragma once

#include "userdata/listmanager/RegistSource.h"

#include <optional>

// The list manager over Temp/Title.lst: entries are template titles. An entry added or
// changed in the manager carries its text, written to its file at OK with the list, so
// that Cancel leaves the folder as it was.
class TemplateSource : public RegistSource
{
public:
    // folder: the Temp folder, ending in "/".
    explicit TemplateSource(const QString &folder) : folder_(folder) {}

    static RegistEntry entry(const QString &title, const QString &text) { return {title, {text}}; }
    // The text an entry carries, none for a template the manager has not changed.
    static std::optional<QString> pendingText(const RegistEntry &entry)
    {
        return entry.data.isEmpty() ? std::nullopt : std::optional<QString>(entry.data.first());
    }

    QString caption() const override { return QStringLiteral("テンプレートの登録"); }
    QString groupCaption() const override { return QStringLiteral("登録済みテンプレートリスト"); }
    void load() override;
    RegistVerdict accept() override;

private:
    QString folder_;
};
