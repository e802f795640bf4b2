// tagwell_bench: each scenario of the editor against its Qt baseline, in one process.
#include "bench/MemoryProbe.h"
#include "bench/ResultTable.h"
#include "bench/Scenarios.h"
#include "platform/MemoryReuse.h"

#include <QApplication>
#include <QSet>

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
                 "usage: tagwell_bench [--size MB ...] [--runs N] [--only SCENARIO,...] [--output FILE]\n"
                 "scenarios: %s\n",
                 qPrintable(Scenarios::names().join(QLatin1Char(','))));
    return 2;
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
    QSet<QString> only;
    QString output;
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
        } else if (a == QLatin1String("--output") && i + 1 < args.size()) {
            output = args[++i];
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
    try {
        Scenarios scenarios(runs, only);
        for (int mb : sizes)
            scenarios.runSize(mb, table);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tagwell_bench: %s\n", e.what());
        status = 1;
    }
    table.print(stdout);
    if (!output.isEmpty()) {
        QString error;
        if (!table.writeJson(output, &error)) {
            std::fprintf(stderr, "tagwell_bench: cannot write %s: %s\n", qPrintable(output), qPrintable(error));
            status = 1;
        }
    }
    return status;
}
