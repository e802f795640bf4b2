#include "bench/LinkListScenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/ResultTable.h"

#include "app/DocumentFile.h"
#include "app/EditBox.h"
#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "wizards/links/LinkBox.h"
#include "wizards/links/LinkChecker.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QTreeWidget>

#include <stdexcept>

namespace {
using Times = QList<double>;
// Longer than any list takes; a checker that never finishes fails the run instead of hanging it.
constexpr int GiveUpMs = 120000;

struct Link
{
    int line = 0;
    QString target;
};

// Three links a line; even ones name files that are made, odd ones files that are not
// (some of those with an anchor, which is part of the name); some in a subfolder.
QList<Link> links()
{
    QList<Link> all;
    all.reserve(LinkListScenarios::Links);
    int line = 1; // after the page's first line
    for (int i = 0; i < LinkListScenarios::Links; ++i) {
        QString target = (i % 2 == 0 ? QStringLiteral("here%1.htm") : QStringLiteral("gone%1.htm")).arg(i, 5, 10, QLatin1Char('0'));
        if (i % 7 == 0)
            target.replace(QLatin1String(".htm"), QLatin1String(".css"));
        if (i % 5 == 0)
            target.prepend(QStringLiteral("sub/"));
        if (i % 11 == 0 && i % 2 == 1)
            target += QStringLiteral("#part");
        all.append({line, target});
        if (i % 3 == 2)
            ++line;
    }
    return all;
}

QString pageText(const QList<Link> &all)
{
    QString text = QStringLiteral("<HTML><HEAD><TITLE>リンク</TITLE></HEAD><BODY>\n");
    int line = 1;
    for (const Link &link : all) {
        while (line < link.line) {
            text += QStringLiteral("<BR>\n");
            ++line;
        }
        text += QStringLiteral("<A HREF=\"%1\">ページ</A> ").arg(link.target);
    }
    text += QStringLiteral("\n</BODY></HTML>\n");
    return text;
}

QString fileOf(const QString &folder, const QString &target)
{
    return folder + target;
}

struct Row
{
    QString line;
    QString target;
    QString exists;
    QString path;
};

void checkRows(const QTreeWidget *tree, const QList<Row> &rows, const char *side)
{
    check(tree->topLevelItemCount() == rows.size(), QStringLiteral("linklist: %1 lists %2 rows, not %3")
                                                        .arg(QLatin1String(side))
                                                        .arg(tree->topLevelItemCount())
                                                        .arg(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const QTreeWidgetItem *item = tree->topLevelItem(i);
        const Row &row = rows[i];
        check(item->text(0) == row.line && item->text(1) == row.target && item->text(2) == row.exists
                  && item->text(3) == row.path,
              QStringLiteral("linklist: %1 row %2 shows %3 %4 %5 %6")
                  .arg(QLatin1String(side))
                  .arg(i)
                  .arg(item->text(0), item->text(1), item->text(2), item->text(3)));
    }
}
} // namespace

LinkListScenarios::LinkListScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder, int runs)
    : form_(form), platform_(platform), folder_(folder + QStringLiteral("links/")), runs_(runs)
{
}

QStringList LinkListScenarios::names()
{
    return {QStringLiteral("linklist")};
}

void LinkListScenarios::run(const QStringList &wanted, ResultTable &table)
{
    if (!wanted.isEmpty() && !wanted.contains(names()[0]))
        return;
    const QList<Link> all = links();
    check(QDir().mkpath(folder_ + QStringLiteral("sub")), QStringLiteral("linklist: cannot make the folders"));
    QList<Row> reference;
    reference.reserve(all.size());
    for (int i = 0; i < all.size(); ++i) {
        const QString path = fileOf(folder_, all[i].target);
        if (i % 2 == 0) {
            QFile f(path);
            check(f.open(QIODevice::WriteOnly) && f.write("<HTML></HTML>\r\n") > 0,
                  QStringLiteral("linklist: cannot write %1").arg(path));
        }
        reference.append({QString::number(all[i].line), all[i].target, i % 2 == 0 ? TLinkBox::Present : TLinkBox::Absent,
                          path});
    }
    const QString pagePath = folder_ + QStringLiteral("links.htm");
    {
        const QByteArray bytes = DocumentFile::serialize(pageText(all));
        QFile f(pagePath);
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
              QStringLiteral("linklist: cannot write the page"));
    }
    check(form_.tabCount() == 0, QStringLiteral("linklist: a document is still open"));
    form_.OpenDocument(pagePath);
    check(form_.tabCount() == 1 && form_.activeBox(), QStringLiteral("linklist: the page did not open"));
    settle(form_.activeBox());
    auto *command = qobject_cast<QAction *>(form_.item(QStringLiteral("LinkFile")));
    check(command && command->isEnabled(), QStringLiteral("linklist: the command is not there"));
    const QString caption = QStringLiteral("リンクファイル - %1 Files").arg(Links);

    auto ours = [&]() -> Times {
        QElapsedTimer timer;
        timer.start();
        command->trigger();
        const QList<TLinkBox *> windows = form_.findChildren<TLinkBox *>();
        check(windows.size() == 1, QStringLiteral("linklist: no list window"));
        TLinkBox *box = windows.first();
        if (!box->isComplete()) {
            auto *checker = box->findChild<LinkChecker *>();
            check(checker, QStringLiteral("linklist: no checker"));
            QEventLoop loop;
            QObject::connect(checker, &LinkChecker::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(GiveUpMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
        check(box->isComplete(), QStringLiteral("linklist: the list never completed"));
        settle(box);
        const double t = double(timer.nsecsElapsed()) / 1e6;
        check(box->isVisible() && box->windowTitle() == caption,
              QStringLiteral("linklist: the window says \"%1\"").arg(box->windowTitle()));
        check(platform_.unscripted == 0 && platform_.messages.isEmpty(),
              QStringLiteral("linklist: the command said something"));
        checkRows(box->fileList(), reference, "the list window");
        box->close();
        delete box;
        return {t};
    };
    auto baseline = [&]() -> Times {
        QTreeWidget *tree = nullptr;
        const double t = Alternation::timeMs([&] {
            tree = new QTreeWidget;
            tree->setHeaderLabels({QStringLiteral("行番号"), QStringLiteral("リンク先"), QStringLiteral("存在"),
                                   QStringLiteral("ファイル名")});
            tree->resize(400, 300);
            QList<QTreeWidgetItem *> items;
            items.reserve(all.size());
            for (const Link &link : all) {
                const QString path = fileOf(folder_, link.target);
                const bool exists = QFileInfo::exists(path);
                auto *item = new QTreeWidgetItem(
                    QStringList{QString::number(link.line), link.target, exists ? TLinkBox::Present : TLinkBox::Absent, path});
                item->setTextAlignment(2, Qt::AlignCenter);
                items.append(item);
            }
            tree->addTopLevelItems(items);
            tree->show();
            settle(tree);
        });
        checkRows(tree, reference, "the bare list");
        delete tree;
        return {t};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    BenchResult r;
    r.scenario = names()[0];
    r.ours = m.ours[0];
    r.baseline = m.baseline[0];
    r.target = 2.0;
    r.oursRuns = m.oursRuns[0];
    r.baselineRuns = m.baselineRuns[0];
    r.machineRuns = m.machine;
    table.add(r);

    form_.activeBox()->setModified(false);
    form_.FileCloseClick();
    check(form_.tabCount() == 0, QStringLiteral("linklist: the page did not close"));
}
