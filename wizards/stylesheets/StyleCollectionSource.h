#pragma once

#include "userdata/listmanager/RegistSource.h"

#include <functional>

// The list manager as the style collection window: declarations gathered one by one
// and put into the document together. Nothing is read or written to a file.
class StyleCollectionSource : public RegistSource
{
public:
    // insert puts the joined text into the active document; false when none is open,
    // which keeps the window and its list.
    explicit StyleCollectionSource(std::function<bool(const QString &)> insert) : insert_(std::move(insert)) {}

    QString caption() const override { return QStringLiteral("スタイルをまとめて入力"); }
    QString groupCaption() const override { return QStringLiteral("スタイルリスト"); }
    RegistLayout layout() const override;
    void load() override {}
    // An empty list does nothing and keeps the window open.
    RegistVerdict accept() override;

    // The declarations as text lines: each further one after a single space, and a new
    // line once a line is longer than LineLength (so a line may pass it by the length of
    // its last declaration). Lines are joined with '\n'.
    static constexpr int LineLength = 80;
    static QString join(const QStringList &declarations);

private:
    std::function<bool(const QString &)> insert_;
};
