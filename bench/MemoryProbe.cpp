#include "bench/MemoryProbe.h"

#include "app/EditBox.h"
#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStringDecoder>

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
    form.show();
    form.OpenDocument(file);
    if (form.tabCount() != 1 || !form.activeBox()) {
        std::fprintf(stderr, "memory child: the document did not open\n");
        return 2;
    }
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
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:")) {
            bool ok = false;
            const qint64 kib = line.mid(6).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kib : -1;
        }
    }
    return -1;
}

double MemoryProbe::measure(bool ours, const QString &file, const Shape &shape)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({ChildFlag, ours ? QStringLiteral("ours") : QStringLiteral("baseline"), file,
                        QString::number(shape.size.width()), QString::number(shape.size.height()),
                        QString::number(shape.wrap ? 1 : 0), QString::number(shape.tabWidth), shape.font.toString()});
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

int MemoryProbe::runChild(const QStringList &arguments)
{
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
