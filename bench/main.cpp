// tagwell_bench: each scenario of the editor against its Qt baseline, in one process.
#include "bench/MemoryProbe.h"
#include "bench/ResultTable.h"
#include "bench/Scenarios.h"
#include "platform/MemoryReuse.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says these for every window and process; they tell nothing here.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int usage()
{
    std::fprintf(stderr,
                 "usage: tagwell_bench [--size MB ...] [--runs N] [--processes N] [--only SCENARIO,...] [--output FILE]\n"
                 "scenarios: %s\n",
                 qPrintable(Scenarios::names().join(QLatin1Char(','))));
    return 2;
}

// Runs the benchmark again in `processes` child processes with the same arguments and
// pools their runs: in a virtual machine, where a process's memory happens to lie can make
// all of its copies of a long text fast or slow, for one side as much as for the other.
int runInProcesses(int processes, const QStringList &childArgs, ResultTable &table)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "tagwell_bench: no temporary folder\n");
        return 1;
    }
    for (int i = 1; i <= processes; ++i) {
        std::printf("process %d of %d\n", i, processes);
        std::fflush(stdout);
        const QString runsFile = dir.filePath(QStringLiteral("runs-%1.json").arg(i));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    childArgs + QStringList{QStringLiteral("--processes"), QStringLiteral("1"),
                                            QStringLiteral("--runs-output"), runsFile});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::fprintf(stderr, "tagwell_bench: process %d failed\n", i);
            return 1;
        }
        QFile f(runsFile);
        ResultTable one;
        QString error;
        if (!f.open(QIODevice::ReadOnly) || !ResultTable::fromJson(f.readAll(), one, &error)) {
            std::fprintf(stderr, "tagwell_bench: process %d left no runs: %s\n", i, qPrintable(error));
            return 1;
        }
        table.pool(one);
    }
    std::printf("all %d processes together\n", processes);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    MemoryReuse::keepLargeBlocks();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    const QStringList args = QApplication::arguments().mid(1);

    if (!args.isEmpty() && args.first() == MemoryProbe::ChildFlag)
        return MemoryProbe::runChild(args.mid(1));

    QList<int> sizes;
    int runs = 5;
    int processes = 3;
    QSet<QString> only;
    QString output;
    QString runsOutput;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--size")) {
            bool any = false;
            while (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--"))) {
                bool ok = false;
                const int mb = args[++i].toInt(&ok);
                if (!ok || mb < 1)
                    return usage();
                sizes.append(mb);
                any = true;
            }
            if (!any)
                return usage();
        } else if (a == QLatin1String("--runs") && i + 1 < args.size()) {
            bool ok = false;
            runs = args[++i].toInt(&ok);
            if (!ok || runs < 1)
                return usage();
        } else if (a == QLatin1String("--only") && i + 1 < args.size()) {
            for (const QString &name : args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (!Scenarios::names().contains(name))
                    return usage();
                only.insert(name);
            }
        } else if (a == QLatin1String("--processes") && i + 1 < args.size()) {
            bool ok = false;
            processes = args[++i].toInt(&ok);
            if (!ok || processes < 1)
                return usage();
        } else if (a == QLatin1String("--output") && i + 1 < args.size()) {
            output = args[++i];
        } else if (a == QLatin1String("--runs-output") && i + 1 < args.size()) {
            runsOutput = args[++i];
        } else {
            return usage();
        }
    }
    if (sizes.isEmpty())
        sizes = {1, 10, 50};
    if (runs < 5)
        std::fprintf(stderr, "note: %d runs per figure; the figures want at least 5\n", runs);

    ResultTable table;
    int status = 0;
    if (processes > 1) {
        QStringList childArgs{QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--size")};
        for (int mb : sizes)
            childArgs.append(QString::number(mb));
        if (!only.isEmpty())
            childArgs += {QStringLiteral("--only"), QStringList(only.begin(), only.end()).join(QLatin1Char(','))};
        status = runInProcesses(processes, childArgs, table);
    } else {
        try {
            Scenarios scenarios(runs, only);
            for (int mb : sizes)
                scenarios.runSize(mb, table);
        } catch (const std::exception &e) {
            std::fprintf(stderr, "tagwell_bench: %s\n", e.what());
            status = 1;
        }
    }
    table.print(stdout);
    if (!runsOutput.isEmpty() && status == 0) {
        QString error;
        if (!table.writeJson(runsOutput, &error, true)) {
            std::fprintf(stderr, "tagwell_bench: cannot write %s: %s\n", qPrintable(runsOutput), qPrintable(error));
            status = 1;
        }
    }
    if (!output.isEmpty()) {
        QString error;
        if (!table.writeJson(output, &error)) {
            std::fprintf(stderr, "tagwell_bench: cannot write %s: %s\n", qPrintable(output), qPrintable(error));
            status = 1;
        }
    }
    return status;
}
