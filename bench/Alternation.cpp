#include "bench/Alternation.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>

#include <sys/resource.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if defined(TAGWELL_HAVE_CALLGRIND)
#include <valgrind/callgrind.h>
#endif

namespace {

// Room for the copies of a 10 MB document's text (16 MiB each) made in one run of a side.
constexpr std::size_t HeapReserve = std::size_t(96) << 20;

// Faults taken inside timed parts since the current side started its run.
long sectionFaults = 0;
bool settling = true;
bool fixed = false;

void collect(QList<QList<double>> &phases, const QList<double> &times)
{
    if (phases.isEmpty())
        phases.resize(times.size());
    if (phases.size() != times.size())
        throw std::logic_error("a side reported a different number of phases");
    for (qsizetype i = 0; i < times.size(); ++i)
        phases[i].append(times[i]);
}

QList<double> medians(const QList<QList<double>> &phases)
{
    QList<double> out;
    for (const QList<double> &p : phases)
        out.append(Alternation::median(p));
    return out;
}

// One run of a side from the same heap state, its faults counted.
QList<double> runSide(const Alternation::Side &side, QList<double> *faults)
{
    if (settling)
        Alternation::settleHeap();
    sectionFaults = 0;
    QList<double> times = side();
    if (faults)
        faults->append(double(sectionFaults));
    return times;
}

#if defined(TAGWELL_HAVE_CALLGRIND)
// Where callgrind writes its dumps (--callgrind-out-file); set by the process that starts it.
QByteArray callgrindBase()
{
    return qgetenv("TAGWELL_CALLGRIND_OUT");
}

// The instructions of the dump just written: callgrind names its n-th dump BASE.n.
double readDump()
{
    static int dumps = 0;
    const QString path = QString::fromLocal8Bit(callgrindBase()) + QLatin1Char('.') + QString::number(++dumps);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("callgrind wrote no dump at " + path.toStdString());
    const QByteArray text = f.readAll();
    f.close();
    QFile::remove(path);
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith("totals:")) {
            bool ok = false;
            const qulonglong n = line.mid(7).trimmed().split(' ').value(0).toULongLong(&ok);
            if (ok)
                return double(n);
        }
    }
    throw std::runtime_error("callgrind's dump " + path.toStdString() + " has no totals");
}
#endif

} // namespace

Alternation::Unit Alternation::unit()
{
#if defined(TAGWELL_HAVE_CALLGRIND)
    static const Unit u = RUNNING_ON_VALGRIND && !callgrindBase().isEmpty() ? Unit::Instructions : Unit::Milliseconds;
    return u;
#else
    return Unit::Milliseconds;
#endif
}

bool Alternation::canCountInstructions()
{
#if defined(TAGWELL_HAVE_CALLGRIND)
    return true;
#else
    return false;
#endif
}

Alternation::Medians Alternation::run(int runs, bool warmUp, const Side &ours, const Side &baseline)
{
    if (warmUp) {
        runSide(ours, nullptr);
        runSide(baseline, nullptr);
    }
    Medians m;
    double spent = 0;
    auto sum = [](const QList<double> &times) {
        double total = 0;
        for (double t : times)
            total += t;
        return total;
    };
    const bool extend = unit() == Unit::Milliseconds && !fixed;
    for (int i = 0; i < runs || (extend && i % 2 == 1) ||
                    (extend && i < runs * MaxRunsFactor && spent < PairBudgetMs);
         ++i) {
        if (unit() == Unit::Milliseconds)
            m.machine.append(machineProbeMs());
        QList<double> o;
        QList<double> b;
        // ABBA: the side that went second goes first in the next pair.
        if (i % 2 == 0) {
            o = runSide(ours, &m.oursFaults);
            b = runSide(baseline, &m.baselineFaults);
        } else {
            b = runSide(baseline, &m.baselineFaults);
            o = runSide(ours, &m.oursFaults);
        }
        collect(m.oursRuns, o);
        collect(m.baselineRuns, b);
        spent += sum(o) + sum(b);
    }
    m.ours = medians(m.oursRuns);
    m.baseline = medians(m.baselineRuns);
    return m;
}

double Alternation::median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Alternation::machineProbeMs()
{
    // Allocated and touched once, so that the probe itself takes no page faults.
    constexpr std::size_t CopySize = std::size_t(4) << 20;
    constexpr std::size_t TableSize = std::size_t(64) << 10;
    constexpr std::size_t InputSize = std::size_t(256) << 10;
    static QByteArray from(int(CopySize), '\1');
    static QByteArray to(int(CopySize), '\0');
    static QList<quint16> table = [] {
        QList<quint16> t(TableSize);
        for (std::size_t i = 0; i < TableSize; ++i)
            t[qsizetype(i)] = quint16((i * 2654435761u) >> 7);
        return t;
    }();
    static QByteArray input = [] {
        QByteArray in(int(InputSize), '\0');
        quint32 x = 12345;
        for (char &c : in) {
            x = x * 1664525u + 1013904223u;
            c = char(x >> 24);
        }
        return in;
    }();
    QElapsedTimer timer;
    timer.start();
    std::memcpy(to.data(), from.constData(), CopySize);
    quint32 sum = 0;
    quint32 previous = 0;
    for (const char c : std::as_const(input)) {
        previous = table[qsizetype(((previous << 8) | quint8(c)) & (TableSize - 1))];
        sum += previous;
    }
    asm volatile("" : : "r"(sum), "r"(to.constData()) : "memory");
    return double(timer.nsecsElapsed()) / 1e6;
}

long Alternation::minorFaults()
{
    rusage usage{};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_minflt : 0;
}

void Alternation::setHeapSettling(bool on)
{
    settling = on;
}

void Alternation::setFixedRuns(bool on)
{
    fixed = on;
}

bool Alternation::fixedRuns()
{
    return fixed;
}

bool Alternation::heapSettling()
{
    return settling;
}

void Alternation::settleHeap()
{
#if defined(__GLIBC__)
    // Nothing to do while the heap's top already holds that much (it only shrinks past the
    // trim threshold).
    if (mallinfo2().keepcost >= HeapReserve)
        return;
#endif
    // Blocks under the mmap threshold MemoryReuse sets, so they come from the heap; once
    // touched and freed they stay with it (below the trim threshold), and the copies made
    // during the run land on pages already there instead of faulting in new ones.
    constexpr std::size_t Block = std::size_t(24) << 20;
    constexpr int Count = int(HeapReserve / Block);
    void *blocks[Count] = {};
    for (void *&b : blocks) {
        b = std::malloc(Block);
        if (b)
            std::memset(b, 1, Block);
        // Keeps the compiler from dropping the allocation as unused.
        asm volatile("" : : "r"(b) : "memory");
    }
    for (int i = Count - 1; i >= 0; --i)
        std::free(blocks[i]);
}

Alternation::Section::Section()
{
    faults_ = minorFaults();
#if defined(TAGWELL_HAVE_CALLGRIND)
    if (unit() == Unit::Instructions) {
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_ZERO_STATS;
        CALLGRIND_TOGGLE_COLLECT;
        return;
    }
#endif
    timer_.start();
}

double Alternation::Section::stop()
{
    double value = 0;
#if defined(TAGWELL_HAVE_CALLGRIND)
    if (unit() == Unit::Instructions) {
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS_AT("timed part");
        CALLGRIND_STOP_INSTRUMENTATION;
        value = readDump();
    } else
#endif
    {
        value = double(timer_.nsecsElapsed()) / 1e6;
    }
    sectionFaults += minorFaults() - faults_;
    return value;
}
