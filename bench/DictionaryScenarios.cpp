#include "bench/DictionaryScenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/Figure.h"
#include "bench/ResultTable.h"

#include "app/EditBox.h"
#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "userdata/tagdictionary/TagCompletion.h"
#include "userdata/tagdictionary/TagDictionary.h"
#include "userdata/tagdictionary/TagTemplateCommands.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QStringDecoder>

#include <stdexcept>

namespace {
using Times = QList<double>;
constexpr int TagCount = 5000;
constexpr int AttributesPerTag = 40;

QString tagName(int i)
{
    // 26 leading letters, so that a two-letter start offers a few hundred tags.
    return QString(QChar(u'A' + i % 26)) + QString(QChar(u'A' + (i / 26) % 26)) + QString::number(i);
}

QByteArray dictionaryBytes()
{
    QStringList tags;
    for (int i = 0; i < TagCount; ++i)
        tags << tagName(i);
    tags.sort();
    QStringList lines{QStringLiteral("<TAGS>")};
    lines << tags << QStringLiteral("</TAGS>");
    for (const QString &tag : std::as_const(tags)) {
        lines << QLatin1Char('<') + tag + QLatin1Char('>');
        for (int a = 0; a < AttributesPerTag; ++a)
            lines << QStringLiteral("ATTRIBUTE%1=\"\"").arg(a, 2, 10, QLatin1Char('0'));
        lines << QStringLiteral("</") + tag + QLatin1Char('>');
    }
    return TagDictionary::bytesOf(lines);
}

} // namespace

DictionaryScenarios::DictionaryScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &programFolder,
                                         int runs)
    : form_(form), platform_(platform), path_(programFolder + QStringLiteral("Template.tag")), runs_(runs)
{
}

QStringList DictionaryScenarios::names()
{
    return {QStringLiteral("completion_tags"), QStringLiteral("completion_attributes"), QStringLiteral("dictionary_load")};
}

void DictionaryScenarios::run(const QStringList &wanted, ResultTable &table)
{
    const auto want = [&](const QString &n) { return wanted.isEmpty() || wanted.contains(n); };
    if (!want(names()[0]) && !want(names()[1]) && !want(names()[2]))
        return;
    QFile f(path_);
    const QByteArray bytes = dictionaryBytes();
    check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
          QStringLiteral("cannot write the dictionary"));
    f.close();
    auto *group = form_.findChild<TagTemplateCommands *>();
    check(group, QStringLiteral("no tag dictionary commands"));
    group->LoadTagDictionary();
    check(group->dictionary().lines().size() == 2 + TagCount * (AttributesPerTag + 3),
          QStringLiteral("the dictionary did not load whole"));

    if (want(names()[2]))
        load(table);
    form_.FileNewClick();
    if (want(names()[0]))
        completion(names()[0], QStringLiteral("<p>text <t"), table);
    if (want(names()[1]))
        completion(names()[1], QStringLiteral("<p>text <") + tagName(2500) + QLatin1Char(' '), table);
    if (EditBox *box = form_.activeBox())
        box->setModified(false);
    form_.FileCloseClick();
}

void DictionaryScenarios::completion(const QString &name, const QString &typed, ResultTable &table)
{
    EditBox *box = form_.activeBox();
    check(box, QStringLiteral("no document for the completion"));
    box->setPlainText(typed);
    box->setSelection(int(typed.size()), 0);
    settle(box);
    auto *group = form_.findChild<TagTemplateCommands *>();
    const QStringList entries = TagCompletion::entries(group->dictionary(), TagCompletion::request(typed));
    check(entries.size() >= AttributesPerTag, QStringLiteral("%1: too few entries").arg(name));
    QAction *command = form_.findChild<QAction *>(QStringLiteral("ToolTagTemplate"));

    auto ours = [&]() -> Times {
        QElapsedTimer timer;
        double t = -1;
        int shown = 0;
        platform_.dialogScripts.push_back([&](QDialog *d) {
            d->show();
            settle(d);
            t = double(timer.nsecsElapsed()) / 1e6;
            if (auto *list = d->findChild<QListWidget *>())
                shown = list->count();
            return int(QDialog::Rejected);
        });
        timer.start();
        command->trigger();
        check(t >= 0 && shown == entries.size(), QStringLiteral("%1: the pop-up did not show the entries").arg(name));
        return {t};
    };
    auto baseline = [&]() -> Times {
        QListWidget *list = nullptr;
        const double t = Alternation::timeMs([&] {
            list = new QListWidget;
            list->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
            list->resize(187, 64);
            list->addItems(entries);
            list->setCurrentRow(0);
            list->show();
            settle(list);
        });
        check(list->count() == entries.size(), QStringLiteral("%1: the bare list lost entries").arg(name));
        delete list;
        return {t};
    };
    table.add(Figure::of(name, 0, Alternation::run(runs_, true, ours, baseline), 1.3));
    check(box->text() == typed, QStringLiteral("%1: the document changed").arg(name));
}

void DictionaryScenarios::load(ResultTable &table)
{
    auto *group = form_.findChild<TagTemplateCommands *>();
    const qsizetype lines = 2 + TagCount * (AttributesPerTag + 3);
    auto ours = [&]() -> Times {
        const double t = Alternation::timeMs([&] { group->LoadTagDictionary(); });
        check(group->dictionary().lines().size() == lines, QStringLiteral("dictionary_load: lines lost"));
        return {t};
    };
    auto baseline = [&]() -> Times {
        QStringList read;
        const double t = Alternation::timeMs([&] {
            QFile f(path_);
            if (f.open(QIODevice::ReadOnly)) {
                QStringDecoder decoder("CP932");
                read = QString(decoder.decode(f.readAll())).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            }
        });
        check(read.size() == lines, QStringLiteral("dictionary_load: the baseline lost lines"));
        return {t};
    };
    table.add(Figure::of(QStringLiteral("dictionary_load"), 0, Alternation::run(runs_, true, ours, baseline), 2.0));
}
