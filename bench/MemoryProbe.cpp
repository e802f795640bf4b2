#include "bench/MemoryProbe.h"

#include "app/EditBox.h"
#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "userdata/search/FindBox.h"
#include "userdata/search/SearchBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStringDecoder>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

const QByteArray PeakLabel = "peak_kib ";

void settle(QPlainTextEdit *box)
{
    QCoreApplication::processEvents();
    box->viewport()->repaint();
    QCoreApplication::processEvents();
}

qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(field)) {
            bool ok = false;
            const qint64 kib = line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kib : -1;
        }
    }
    return -1;
}

// From here on VmHWM counts from what is resident now (Linux 4.0 and later).
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

QString decodedPage(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QStringDecoder decoder("CP932");
    QString text = decoder.decode(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// What the rows took: the peak since the page was open above what was resident then.
int reportAbove(qint64 openKiB, qsizetype rows, qsizetype wanted)
{
    const qint64 peak = MemoryProbe::peakKiB();
    if (rows != wanted) {
        std::fprintf(stderr, "memory child: %lld rows listed, not %lld\n", static_cast<long long>(rows),
                     static_cast<long long>(wanted));
        return 2;
    }
    if (peak < 0 || openKiB < 0) {
        std::fprintf(stderr, "memory child: no VmHWM or VmRSS in /proc/self/status\n");
        return 2;
    }
    std::printf("%s%lld\n", PeakLabel.constData(), static_cast<long long>(std::max<qint64>(1, peak - openKiB)));
    std::fflush(stdout);
    return 0;
}

// The window shown with the file open in its one tab; false, said on stderr, when it did not open.
bool showWithDocument(TMainForm &form, const QString &file)
{
    form.show();
    form.OpenDocument(file);
    if (form.tabCount() != 1 || !form.activeBox()) {
        std::fprintf(stderr, "memory child: the document did not open\n");
        return false;
    }
    return true;
}

// The search in the real window: the dialog started, the results window shown and painted.
int runSearchOurs(const QString &file, const QString &keyword, qsizetype wanted)
{
    ScriptedPlatform platform;
    TMainForm form;
    if (!showWithDocument(form, file))
        return 2;
    form.activeBox()->setSelection(0, 0);
    settle(form.activeBox());
    const qint64 openKiB = MemoryProbe::residentKiB();
    if (!resetPeak()) {
        std::fprintf(stderr, "memory child: cannot reset the peak (/proc/self/clear_refs)\n");
        return 2;
    }
    platform.dialogScripts.push_back([&](QDialog *d) {
        auto *dialog = qobject_cast<TSearchBox *>(d);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->setKeyword(keyword);
        dialog->findChild<QCheckBox *>(QStringLiteral("CaseCheck"))->setChecked(true);
        dialog->StartBtnClick();
        return dialog->result();
    });
    auto *command = qobject_cast<QAction *>(form.item(QStringLiteral("SearchFind")));
    if (!command) {
        std::fprintf(stderr, "memory child: no search command\n");
        return 2;
    }
    command->trigger();
    const QList<TFindBox *> windows = form.findChildren<TFindBox *>();
    if (windows.size() != 1 || !platform.messages.isEmpty() || platform.unscripted > 0) {
        std::fprintf(stderr, "memory child: the search showed no results window\n");
        return 2;
    }
    QTreeView *list = windows.first()->listView();
    QCoreApplication::processEvents();
    list->viewport()->repaint();
    QCoreApplication::processEvents();
    return reportAbove(openKiB, windows.first()->rowCount(), wanted);
}

// The plain way: the page in a bare box, and a row per find, its line number and up to
// 200 characters of its line from two before it, as items of a bare tree widget.
int runSearchBaseline(const QString &file, const QString &keyword, qsizetype wanted)
{
    QPlainTextEdit box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.setPlainText(decodedPage(file));
    box.show();
    settle(&box);
    const qint64 openKiB = MemoryProbe::residentKiB();
    if (!resetPeak()) {
        std::fprintf(stderr, "memory child: cannot reset the peak (/proc/self/clear_refs)\n");
        return 2;
    }
    QTreeWidget tree;
    {
        const QString text = box.toPlainText();
        QList<QTreeWidgetItem *> items;
        auto breakFrom = [&text](qsizetype from) {
            const qsizetype b = text.indexOf(QLatin1Char('\n'), from);
            return b < 0 ? text.size() : b;
        };
        int line = 0;
        qsizetype lineEnd = breakFrom(0);
        qsizetype previousEnd = 0;
        for (qsizetype pos = text.indexOf(keyword); pos >= 0; pos = text.indexOf(keyword, previousEnd)) {
            while (lineEnd < pos) {
                ++line;
                previousEnd = lineEnd + 1;
                lineEnd = breakFrom(previousEnd);
            }
            const qsizetype from = std::max(pos - 2, previousEnd);
            items.append(new QTreeWidgetItem(
                QStringList{QString::number(line + 1), text.mid(from, std::min<qsizetype>(lineEnd - from, 200))}));
            previousEnd = pos + keyword.size();
        }
        tree.addTopLevelItems(items);
    }
    tree.resize(300, 200);
    tree.show();
    QCoreApplication::processEvents();
    tree.viewport()->repaint();
    QCoreApplication::processEvents();
    return reportAbove(openKiB, tree.topLevelItemCount(), wanted);
}

int report()
{
    const qint64 kib = MemoryProbe::peakKiB();
    if (kib < 0) {
        std::fprintf(stderr, "memory child: no VmHWM in /proc/self/status\n");
        return 2;
    }
    std::printf("%s%lld\n", PeakLabel.constData(), static_cast<long long>(kib));
    std::fflush(stdout);
    return 0;
}

int runOurs(const QString &file)
{
    ScriptedPlatform platform;
    TMainForm form;
    if (!showWithDocument(form, file))
        return 2;
    settle(form.activeBox());
    if (!platform.messages.isEmpty() || platform.unscripted > 0) {
        std::fprintf(stderr, "memory child: the window asked or told something\n");
        return 2;
    }
    return report();
}

// The cheapest faithful way to the same text: Qt's converter, line breaks and tabs as
// the editor holds them, then the buffers dropped before the box is shown.
int runBaseline(const QString &file, const MemoryProbe::Shape &shape)
{
    QPlainTextEdit box;
    {
        QString text;
        {
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "memory child: cannot read %s\n", qPrintable(file));
                return 2;
            }
            const QByteArray bytes = f.readAll();
            QStringDecoder decoder("CP932");
            if (!decoder.isValid()) {
                std::fprintf(stderr, "memory child: Qt has no CP932 converter\n");
                return 2;
            }
            text = decoder.decode(bytes);
        }
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QLatin1Char('\t'), QString(shape.tabWidth, QLatin1Char(' ')));
        box.setFont(shape.font);
        box.setLineWrapMode(shape.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        box.setPlainText(text);
    }
    box.resize(shape.size);
    box.show();
    settle(&box);
    return report();
}

} // namespace

qint64 MemoryProbe::peakKiB()
{
    return statusKiB("VmHWM:");
}

qint64 MemoryProbe::residentKiB()
{
    return statusKiB("VmRSS:");
}

namespace {
double runMeasuringChild(bool ours, const QStringList &arguments)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(QStringList{MemoryProbe::ChildFlag} + arguments);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        throw std::runtime_error(QStringLiteral("memory child (%1) failed: exit code %2")
                                     .arg(ours ? QStringLiteral("ours") : QStringLiteral("baseline"))
                                     .arg(child.exitCode())
                                     .toStdString());
    const QByteArray out = child.readAllStandardOutput();
    const qsizetype at = out.indexOf(PeakLabel);
    bool ok = false;
    const qint64 kib = at < 0 ? 0 : out.mid(at + PeakLabel.size()).trimmed().toLongLong(&ok);
    if (!ok || kib <= 0)
        throw std::runtime_error("memory child reported no peak");
    return double(kib) / 1024.0;
}
} // namespace

double MemoryProbe::measure(bool ours, const QString &file, const Shape &shape)
{
    return runMeasuringChild(ours, {ours ? QStringLiteral("ours") : QStringLiteral("baseline"), file,
                                     QString::number(shape.size.width()), QString::number(shape.size.height()),
                                     QString::number(shape.wrap ? 1 : 0), QString::number(shape.tabWidth),
                                     shape.font.toString()});
}

double MemoryProbe::measureSearch(bool ours, const QString &file, const QString &keyword, int rows)
{
    return runMeasuringChild(ours, {ours ? QStringLiteral("search-ours") : QStringLiteral("search-baseline"), file,
                                     keyword, QString::number(rows)});
}

int MemoryProbe::runChild(const QStringList &arguments)
{
    if (arguments.size() == 4 && arguments[0].startsWith(QLatin1String("search-"))) {
        const qsizetype rows = arguments[3].toLongLong();
        return arguments[0] == QLatin1String("search-ours") ? runSearchOurs(arguments[1], arguments[2], rows)
                                                            : runSearchBaseline(arguments[1], arguments[2], rows);
    }
    if (arguments.size() < 7) {
        std::fprintf(stderr, "memory child: MODE FILE WIDTH HEIGHT WRAP TABWIDTH FONT\n");
        return 2;
    }
    const QString &file = arguments[1];
    if (arguments[0] == QLatin1String("ours"))
        return runOurs(file);
    Shape shape;
    shape.size = QSize(arguments[2].toInt(), arguments[3].toInt());
    shape.wrap = arguments[4] == QLatin1String("1");
    shape.tabWidth = std::max(1, arguments[5].toInt());
    shape.font.fromString(arguments[6]);
    return runBaseline(file, shape);
}
