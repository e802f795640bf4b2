// tagwell_bench: each scenario of the editor against its Qt baseline, in one process.
#include "bench/Alternation.h"
#include "bench/MemoryProbe.h"
#include "bench/ResultTable.h"
#include "bench/Scenarios.h"
#include "platform/MemoryReuse.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
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
                 "                     [--instructions] [--unsettled-heap] [--fixed-runs]\n"
                 "scenarios: %s\n",
                 qPrintable(Scenarios::names().join(QLatin1Char(','))));
    return 2;
}

// Runs one child benchmark process and reads back the runs it wrote.
bool runChild(const QString &program, const QStringList &arguments, const QString &runsFile,
              const QProcessEnvironment &environment, ResultTable &out)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setProcessEnvironment(environment);
    child.start(program, arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "tagwell_bench: the benchmark process failed (%s)\n", qPrintable(child.errorString()));
        return false;
    }
    QFile f(runsFile);
    QString error;
    if (!f.open(QIODevice::ReadOnly) || !ResultTable::fromJson(f.readAll(), out, &error)) {
        std::fprintf(stderr, "tagwell_bench: the benchmark process left no runs: %s\n", qPrintable(error));
        return false;
    }
    return true;
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
        ResultTable one;
        if (!runChild(QCoreApplication::applicationFilePath(),
                      childArgs + QStringList{QStringLiteral("--processes"), QStringLiteral("1"),
                                              QStringLiteral("--runs-output"), runsFile},
                      runsFile, QProcessEnvironment::systemEnvironment(), one))
            return 1;
        table.pool(one);
    }
    std::printf("all %d processes together\n", processes);
    return 0;
}

// Runs the benchmark once under callgrind, which counts the instructions of every timed part
// (see Alternation): a figure that does not move with the machine's load or memory.
int runUnderCallgrind(const QStringList &childArgs, ResultTable &table)
{
    if (!Alternation::canCountInstructions()) {
        std::fprintf(stderr, "tagwell_bench: built without valgrind's headers; install Debian's valgrind package "
                             "(apt-get install valgrind) and build again\n");
        return 1;
    }
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::fprintf(stderr, "tagwell_bench: valgrind is not installed (apt-get install valgrind)\n");
        return 1;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "tagwell_bench: no temporary folder\n");
        return 1;
    }
    const QString dumps = dir.filePath(QStringLiteral("callgrind.out"));
    const QString runsFile = dir.filePath(QStringLiteral("runs.json"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAGWELL_CALLGRIND_OUT"), dumps);
    const QStringList valgrindArgs{QStringLiteral("--tool=callgrind"),
                                   QStringLiteral("--quiet"),
                                   QStringLiteral("--collect-atstart=no"),
                                   QStringLiteral("--instr-atstart=no"),
                                   QStringLiteral("--dump-instr=no"),
                                   QStringLiteral("--callgrind-out-file=") + dumps,
                                   QCoreApplication::applicationFilePath()};
    std::printf("under callgrind (slow: several minutes)\n");
    std::fflush(stdout);
    ResultTable counted;
    if (!runChild(valgrind,
                  valgrindArgs + childArgs +
                      QStringList{QStringLiteral("--processes"), QStringLiteral("1"), QStringLiteral("--runs-output"), runsFile},
                  runsFile, env, counted))
        return 1;
    table = counted;
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
    int processes = 5;
    QSet<QString> only;
    QString output;
    QString runsOutput;
    bool instructions = false;
    bool runsGiven = false;
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
            runsGiven = true;
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
        } else if (a == QLatin1String("--instructions")) {
            instructions = true;
        } else if (a == QLatin1String("--unsettled-heap")) {
            Alternation::setHeapSettling(false);
        } else if (a == QLatin1String("--fixed-runs")) {
            Alternation::setFixedRuns(true);
        } else {
            return usage();
        }
    }
    if (instructions) {
        // Counts repeat exactly, so a few runs do; the editing scenarios by default, at the
        // size their targets are stated for.
        if (sizes.isEmpty())
            sizes = {10};
        if (only.isEmpty())
            only = {QStringLiteral("insert"),          QStringLiteral("undo"),        QStringLiteral("indent"),
                    QStringLiteral("unindent"),        QStringLiteral("tag_removal"),
                    QStringLiteral("case_conversion")};
        if (!runsGiven)
            runs = 3;
        // The memory figure is measured in processes of its own, outside callgrind.
        if (only.contains(QStringLiteral("memory")) || only.contains(QStringLiteral("search_memory")))
            return usage();
    }
    if (sizes.isEmpty())
        sizes = {1, 10, 50};
    const bool counting = Alternation::unit() == Alternation::Unit::Instructions;
    if (runs < 5 && !instructions && !counting)
        std::fprintf(stderr, "note: %d runs per figure; the figures want at least 5\n", runs);

    QStringList childArgs{QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--size")};
    for (int mb : sizes)
        childArgs.append(QString::number(mb));
    if (!only.isEmpty())
        childArgs += {QStringLiteral("--only"), QStringList(only.begin(), only.end()).join(QLatin1Char(','))};

    ResultTable table;
    int status = 0;
    if (instructions) {
        status = runUnderCallgrind(childArgs, table);
    } else if (processes > 1) {
        if (!Alternation::heapSettling())
            childArgs.append(QStringLiteral("--unsettled-heap"));
        if (Alternation::fixedRuns())
            childArgs.append(QStringLiteral("--fixed-runs"));
        status = runInProcesses(processes, childArgs, table);
    } else {
        try {
            Scenarios scenarios(runs, only);
            for (int mb : sizes)
                scenarios.runSize(mb, table);
            // Under callgrind (see runUnderCallgrind) every timed part was counted, not timed.
            if (counting)
                table = table.asInstructions();
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
    if (!output.isEmpty() && status == 0) {
        // Instruction counts join the figures already there; a timed run starts afresh.
        ResultTable written;
        QFile previous(output);
        if (instructions && previous.open(QIODevice::ReadOnly) &&
            !ResultTable::fromJson(previous.readAll(), written, nullptr))
            written = ResultTable();
        written.replace(table);
        QString error;
        if (!written.writeJson(output, &error, true)) {
            std::fprintf(stderr, "tagwell_bench: cannot write %s: %s\n", qPrintable(output), qPrintable(error));
            status = 1;
        }
    }
    return status;
}
