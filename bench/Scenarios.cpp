#include "bench/Scenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/Figure.h"
#include "bench/DictionaryScenarios.h"
#include "bench/RecoveryScenarios.h"
#include "bench/EditingComfortScenarios.h"
#include "bench/DocumentGenerator.h"
#include "bench/HighlightScenarios.h"
#include "bench/LinkListScenarios.h"
#include "bench/ResultTable.h"
#include "bench/SearchScenarios.h"

#include "app/DocumentFile.h"
#include "app/EditBox.h"
#include "app/MainForm.h"
#include "app/ResultDlg.h"
#include "editing/AsciiCase.h"
#include "editing/EditContext.h"
#include "editing/EditTools.h"
#include "editing/TagInserter.h"
#include "platform/Cp932Codec.h"
#include "platform/DocumentEncoding.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>

namespace {

using Command = EditTools::Command;
using Times = QList<double>;

// The document's text as a file holds it: every block separator a CR LF, in one pass.
QString crlfText(const QString &raw)
{
    QString out;
    out.reserve(raw.size() + raw.count(QChar::ParagraphSeparator) + 1);
    const QStringView text(raw);
    qsizetype from = 0;
    for (qsizetype at = raw.indexOf(QChar::ParagraphSeparator); at >= 0;
         at = raw.indexOf(QChar::ParagraphSeparator, from)) {
        out += text.mid(from, at - from);
        out += QLatin1String("\r\n");
        from = at + 1;
    }
    out += text.mid(from);
    return out;
}

// A run of the bare side on the document it shares with our box: the program hears nothing
// of it (our box's signals are held), and the undo steps it recorded are dropped afterwards,
// untimed, so that our Undo still finds the program's own snapshot.
class BareTurn
{
public:
    explicit BareTurn(EditBox *ours) : ours_(ours), blocker_(ours) {}
    ~BareTurn() { ours_->document()->clearUndoRedoStacks(); }
    BareTurn(const BareTurn &) = delete;
    BareTurn &operator=(const BareTurn &) = delete;

private:
    EditBox *ours_;
    QSignalBlocker blocker_;
};

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

// Pending events handled, then the visible part of the box painted at once.
void settle(QPlainTextEdit *box)
{
    QCoreApplication::processEvents();
    box->viewport()->repaint();
}

QString lineAt(const QString &text, int pos)
{
    const qsizetype from = pos > 0 ? text.lastIndexOf(QLatin1Char('\n'), pos - 1) + 1 : 0;
    qsizetype to = text.indexOf(QLatin1Char('\n'), pos);
    if (to < 0)
        to = text.size();
    return text.mid(from, to - from);
}

QString boxLineAt(const EditBox *box, int pos)
{
    return box->line(box->lineFromPos(pos));
}

QTextCursor rangeCursor(QPlainTextEdit *box, int start, int length)
{
    QTextCursor c(box->document());
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    return c;
}

int plainLength(const QPlainTextEdit *box)
{
    return box->document()->characterCount() - 1;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
    return f.readAll();
}

// Where two texts first differ, for the warnings about Qt's converter.
qsizetype firstDifference(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return i;
    }
    return a.size() == b.size() ? -1 : n;
}

void warn(const QString &text)
{
    std::fprintf(stderr, "warning: %s\n", qPrintable(text));
}

// A figure of one phase and which way it is better.
BenchResult figure(const QString &scenario, int sizeMb, const Alternation::Medians &m, int phase,
                   std::optional<double> target, bool higherIsBetter)
{
    BenchResult r = Figure::of(scenario, sizeMb, m, target, phase);
    r.higherIsBetter = higherIsBetter;
    return r;
}

} // namespace

QStringList Scenarios::names()
{
    return QStringList{QStringLiteral("open"),   QStringLiteral("decode"),          QStringLiteral("encode"),
            QStringLiteral("save"),   QStringLiteral("insert"),          QStringLiteral("undo"),
            QStringLiteral("memory"), QStringLiteral("case_conversion"), QStringLiteral("tag_removal"),
            QStringLiteral("indent"), QStringLiteral("unindent"), QStringLiteral("utf8_open"),
            QStringLiteral("utf8_decode"), QStringLiteral("utf8_encode"), QStringLiteral("utf8_save")} +
           DictionaryScenarios::names() + SearchScenarios::names() + LinkListScenarios::names() +
           RecoveryScenarios::names() +
           EditingComfortScenarios::names() +
           HighlightScenarios::names();
}

Scenarios::Scenarios(int runs, const QSet<QString> &only) : runs_(runs), only_(only)
{
    if (!dir_.isValid())
        fail(QStringLiteral("no temporary folder: %1").arg(dir_.errorString()));
    const QString program = dir_.filePath(QStringLiteral("program"));
    QDir().mkpath(program);
    qputenv("TAGWELL_PROGRAM_DIR", program.toLocal8Bit());
    // Recovery journals in the benchmark's own folder, not the user's.
    qputenv("XDG_STATE_HOME", dir_.filePath(QStringLiteral("state")).toLocal8Bit());
    platform_ = std::make_unique<ScriptedPlatform>();
    form_ = std::make_unique<TMainForm>();
    form_->show();
    QCoreApplication::processEvents();
}

Scenarios::~Scenarios()
{
    form_.reset();
    platform_.reset();
}

void Scenarios::checkQuiet() const
{
    if (platform_->unscripted > 0)
        fail(QStringLiteral("the window asked a question nobody expected"));
    if (!platform_->messages.isEmpty())
        fail(QStringLiteral("the window showed a message: ") + platform_->messages.first().text);
}

Scenarios::Document Scenarios::makeDocument(int sizeMb)
{
    Document doc;
    doc.sizeMb = sizeMb;
    doc.bytes = DocumentGenerator::generate(sizeMb);
    doc.path = dir_.filePath(QStringLiteral("page-%1mb.html").arg(sizeMb));
    writeChecked(doc.path, doc.bytes);
    doc.text = DocumentFile::prepare(doc.bytes, form_->tabSpaces()).text;

    const QString head = DocumentGenerator::sectionHead(1);
    doc.sectionStart = int(doc.text.indexOf(head));
    const qsizetype foot = doc.text.indexOf(DocumentGenerator::SectionFoot, doc.sectionStart);
    check(doc.sectionStart >= 0 && foot > doc.sectionStart, QStringLiteral("the document has no first section"));
    doc.sectionLength = int(foot + DocumentGenerator::SectionFoot.size()) - doc.sectionStart;

    static const QRegularExpression word(QStringLiteral("(?<= )[a-z]{4,}(?= )"));
    const QRegularExpressionMatch m = word.match(doc.text, doc.text.size() / 2);
    check(m.hasMatch(), QStringLiteral("the document has no word in its second half"));
    doc.wordStart = int(m.capturedStart());
    doc.wordLength = int(m.capturedLength());

    const int lines = int(doc.text.count(QLatin1Char('\n'))) + 1;
    doc.indentLines = std::min(10000, lines - 2);
    doc.indentFirstLine = std::max(0, lines / 2 - doc.indentLines / 2);

    std::printf("document %d MB: %lld bytes, %lld characters, %d lines; first section %d characters\n", sizeMb,
                static_cast<long long>(doc.bytes.size()), static_cast<long long>(doc.text.size()), lines,
                doc.sectionLength);
    std::fflush(stdout);
    return doc;
}

EditBox *Scenarios::openInForm(const QString &path)
{
    check(form_->tabCount() == 0, QStringLiteral("a document is still open"));
    form_->OpenDocument(path);
    EditBox *box = form_->activeBox();
    check(form_->tabCount() == 1 && box, QStringLiteral("the document did not open"));
    settle(box);
    return box;
}

void Scenarios::closeInForm()
{
    if (EditBox *box = form_->activeBox())
        box->setModified(false);
    form_->FileCloseClick();
    check(form_->tabCount() == 0, QStringLiteral("the document did not close"));
    checkQuiet();
}

QPlainTextEdit *Scenarios::makeBaselineBox()
{
    auto *box = new QPlainTextEdit(&host_);
    box->setFrameShape(QFrame::NoFrame);
    box->setFont(shape_.font);
    box->setLineWrapMode(shape_.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    box->setGeometry(QRect(QPoint(0, 0), shape_.size));
    return box;
}

void Scenarios::learnShape(const Document &doc)
{
    EditBox *box = openInForm(doc.path);
    check(box->text() == doc.text, QStringLiteral("the editing box does not hold the document's text"));
    shape_.size = box->size();
    shape_.font = box->font();
    shape_.wrap = box->lineWrapMode() != QPlainTextEdit::NoWrap;
    shape_.tabWidth = int(form_->tabSpaces().size());
    closeInForm();
    host_.resize(shape_.size);
    host_.show();
    QCoreApplication::processEvents();
}

void Scenarios::runSize(int sizeMb, ResultTable &table)
{
    const Document doc = makeDocument(sizeMb);
    learnShape(doc);
    open(doc, table);
    codec(doc, table);
    utf8(doc, table);

    const QStringList editing = {QStringLiteral("insert"), QStringLiteral("undo"),
                                 QStringLiteral("case_conversion"), QStringLiteral("tag_removal"),
                                 QStringLiteral("indent"), QStringLiteral("unindent"), QStringLiteral("save")};
    if (std::any_of(editing.begin(), editing.end(), [this](const QString &n) { return wanted(n); })) {
        // A copy, so that saving leaves the generated file as it was for the memory scenario.
        const QString editPath = dir_.filePath(QStringLiteral("edit-%1mb.html").arg(sizeMb));
        writeChecked(editPath, doc.bytes);
        box_ = openInForm(editPath);
        // The bare box shows our box's document, so that both sides edit and copy the very
        // same text buffer: copying a document out of Qt runs up to 2.5 times faster or
        // slower depending on where in a cache line its buffer happens to start, which
        // differs from one document to the next and made each side's figure a draw of its own.
        base_ = makeBaselineBox();
        base_->setDocument(box_->document());
        base_->show();
        settle(base_);

        insertAndUndo(doc, table);
        selectionRewrites(doc, table);
        indentLines(doc, table);
        save(doc, editPath, table);

        // Before the document it shows goes with our box.
        delete base_;
        base_ = nullptr;
        closeInForm();
        box_ = nullptr;
    }
    memory(doc, table);
    if (!dictionaryDone_) {
        dictionaryDone_ = true;
        DictionaryScenarios(*form_, *platform_, dir_.filePath(QStringLiteral("program/")), runs_)
            .run(QStringList(only_.begin(), only_.end()), table);
        LinkListScenarios(*form_, *platform_, dir_.path() + QLatin1Char('/'), runs_)
            .run(QStringList(only_.begin(), only_.end()), table);
        SearchScenarios(*form_, *platform_, dir_.path() + QLatin1Char('/'), runs_)
            .runManyFinds(QStringList(only_.begin(), only_.end()), table);
    }
    SearchScenarios(*form_, *platform_, dir_.path() + QLatin1Char('/'), runs_)
        .run(QStringList(only_.begin(), only_.end()), sizeMb, table);
    RecoveryScenarios(*form_, dir_.path() + QLatin1Char('/'), runs_)
        .run(QStringList(only_.begin(), only_.end()), doc.path, sizeMb, table);
    EditingComfortScenarios(*form_, *platform_, dir_.path() + QLatin1Char('/'), runs_)
        .run(QStringList(only_.begin(), only_.end()), sizeMb, table);
    HighlightScenarios(*form_, *platform_, runs_)
        .run(QStringList(only_.begin(), only_.end()), doc.path, sizeMb, int(doc.text.size()), doc.wordStart, shape_, table);
}

double Scenarios::timedOpen(const QString &path, int length, const QString &encoding, const QString &scenario)
{
    EditBox *box = nullptr;
    const double t = Alternation::timeMs([&] {
        form_->OpenDocument(path);
        box = form_->activeBox();
        if (box)
            settle(box);
    });
    check(box && form_->tabCount() == 1 && box->length() == length && !box->isModified() &&
              form_->statusText(4).startsWith(encoding),
          scenario + QStringLiteral(": the document is not in the box as read"));
    closeInForm();
    return t;
}

void Scenarios::open(const Document &doc, ResultTable &table)
{
    if (!wanted(QStringLiteral("open")))
        return;
    const int length = int(doc.text.size());
    auto ours = [&]() -> Times { return {timedOpen(doc.path, length, QStringLiteral("Shift_JIS"), QStringLiteral("open"))}; };
    auto baseline = [&]() -> Times {
        QPlainTextEdit *box = nullptr;
        const double t = Alternation::timeMs([&] {
            box = makeBaselineBox();
            box->setPlainText(doc.text);
            box->show();
            settle(box);
        });
        check(plainLength(box) == length, QStringLiteral("open: the bare box lost text"));
        delete box;
        return {t};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    table.add(figure(QStringLiteral("open"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.15), false));
}

void Scenarios::codec(const Document &doc, ResultTable &table)
{
    const bool decode = wanted(QStringLiteral("decode"));
    const bool encode = wanted(QStringLiteral("encode"));
    if (!decode && !encode)
        return;
    Cp932Codec::Report report;
    const QString decoded = Cp932Codec::decode(doc.bytes, &report);
    check(!report.invalidBytes && !report.duplicates, QStringLiteral("decode: the generated bytes are not plain CP932"));
    QStringDecoder probe("CP932");
    check(probe.isValid(), QStringLiteral("Qt has no CP932 converter (no ICU?)"));
    const QString icuText = probe.decode(doc.bytes);
    if (const qsizetype at = firstDifference(decoded, icuText); at >= 0)
        warn(QStringLiteral("decode: Qt's converter reads the document differently from character %1").arg(at));

    if (decode) {
        auto ours = [&]() -> Times {
            QString out;
            const double t = Alternation::timeMs([&] { out = Cp932Codec::decode(doc.bytes); });
            check(out.size() == decoded.size(), QStringLiteral("decode: a different length each time"));
            return {t};
        };
        auto baseline = [&]() -> Times {
            QString out;
            const double t = Alternation::timeMs([&] {
                QStringDecoder decoder("CP932");
                out = decoder.decode(doc.bytes);
            });
            check(out.size() == icuText.size(), QStringLiteral("decode: Qt's converter changed its mind"));
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(figure(QStringLiteral("decode"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.0), true));
    }

    if (encode) {
        check(Cp932Codec::encode(decoded) == doc.bytes, QStringLiteral("encode: the text does not encode back to its file"));
        QStringEncoder probeEncoder("CP932");
        if (QByteArray(probeEncoder.encode(decoded)) != doc.bytes)
            warn(QStringLiteral("encode: Qt's converter writes the document differently"));
        auto ours = [&]() -> Times {
            QByteArray out;
            const double t = Alternation::timeMs([&] { out = Cp932Codec::encode(decoded); });
            check(out.size() == doc.bytes.size(), QStringLiteral("encode: a different length each time"));
            return {t};
        };
        auto baseline = [&]() -> Times {
            QByteArray out;
            const double t = Alternation::timeMs([&] {
                QStringEncoder encoder("CP932");
                out = encoder.encode(decoded);
            });
            check(!out.isEmpty(), QStringLiteral("encode: Qt's converter wrote nothing"));
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(figure(QStringLiteral("encode"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.0), true));
    }
}

// The same page in UTF-8 with LF line breaks: Japanese text is three bytes a character here.
void Scenarios::utf8(const Document &doc, ResultTable &table)
{
    const bool open = wanted(QStringLiteral("utf8_open"));
    const bool decode = wanted(QStringLiteral("utf8_decode"));
    const bool encode = wanted(QStringLiteral("utf8_encode"));
    const bool save = wanted(QStringLiteral("utf8_save"));
    if (!open && !decode && !encode && !save)
        return;
    const QByteArray bytes = DocumentEncoding::encodeUtf8(doc.text, DocumentEncoding::LineBreak::Lf);
    check(DocumentEncoding::detect(bytes) == DocumentEncoding::Encoding::Utf8, QStringLiteral("utf8: the page is not taken for UTF-8"));
    const QString path = dir_.filePath(QStringLiteral("page-%1mb-utf8.html").arg(doc.sizeMb));
    writeChecked(path, bytes);
    const int length = int(doc.text.size());

    if (open) {
        auto ours = [&]() -> Times { return {timedOpen(path, length, QStringLiteral("UTF-8"), QStringLiteral("utf8_open"))}; };
        auto baseline = [&]() -> Times {
            QPlainTextEdit *box = nullptr;
            const double t = Alternation::timeMs([&] {
                QFile f(path);
                const bool read = f.open(QIODevice::ReadOnly);
                box = makeBaselineBox();
                box->setPlainText(read ? QString::fromUtf8(f.readAll()) : QString());
                box->show();
                settle(box);
            });
            check(plainLength(box) == length, QStringLiteral("utf8_open: the bare box lost text"));
            delete box;
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(figure(QStringLiteral("utf8_open"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.15), false));
    }

    if (decode) {
        // Detection and the byte-keeping decoder against Qt's decoder alone.
        auto ours = [&]() -> Times {
            QString out;
            const double t = Alternation::timeMs([&] { DocumentEncoding::detectAndDecode(bytes, out); });
            check(out == doc.text, QStringLiteral("utf8_decode: the text read is not the page's"));
            return {t};
        };
        auto baseline = [&]() -> Times {
            QString out;
            const double t = Alternation::timeMs([&] {
                QStringDecoder decoder(QStringDecoder::Utf8);
                out = decoder.decode(bytes);
            });
            check(out.size() == length, QStringLiteral("utf8_decode: Qt's decoder read another length"));
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(figure(QStringLiteral("utf8_decode"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.0), true));
    }

    if (encode) {
        auto ours = [&]() -> Times {
            QByteArray out;
            const double t = Alternation::timeMs([&] { out = DocumentEncoding::encodeUtf8(doc.text, DocumentEncoding::LineBreak::Lf); });
            check(out == bytes, QStringLiteral("utf8_encode: the text does not encode back to its file"));
            return {t};
        };
        auto baseline = [&]() -> Times {
            QByteArray out;
            const double t = Alternation::timeMs([&] {
                QStringEncoder encoder(QStringEncoder::Utf8);
                out = encoder.encode(doc.text);
            });
            check(out.size() == bytes.size(), QStringLiteral("utf8_encode: Qt's encoder wrote another length"));
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(figure(QStringLiteral("utf8_encode"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.0), true));
    }

    if (save) {
        EditBox *box = openInForm(path);
        box->replaceRange(doc.wordStart, 0, QStringLiteral("<!-- saved -->"));
        const QString basePath = dir_.filePath(QStringLiteral("baseline-%1mb-utf8.html").arg(doc.sizeMb));
        auto ours = [&]() -> Times { return {timedSave(box, path, QStringLiteral("utf8_save"))}; };
        auto baseline = [&]() -> Times {
            bool ok = false;
            const double t = Alternation::timeMs([&] {
                QString text = box->document()->toRawText();
                text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
                QStringEncoder encoder(QStringEncoder::Utf8);
                const QByteArray out = encoder.encode(text);
                QFile f(basePath);
                ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(out) == out.size();
            });
            check(ok, QStringLiteral("utf8_save: the plain write failed"));
            flushToDisk(basePath);
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        check(readFile(path) == readFile(basePath), QStringLiteral("utf8_save: the file written is not the text encoded"));
        table.add(figure(QStringLiteral("utf8_save"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.5), false));
        closeInForm();
    }
}

void Scenarios::insertAndUndo(const Document &doc, ResultTable &table)
{
    const bool insert = wanted(QStringLiteral("insert"));
    const bool undo = wanted(QStringLiteral("undo"));
    if (!insert && !undo)
        return;
    const int ws = doc.wordStart;
    const int wl = doc.wordLength;
    const int length = int(doc.text.size());
    const QString word = doc.text.mid(ws, wl);
    const QString tagged = QStringLiteral("<B>") + word + QStringLiteral("</B>");
    const QString original = lineAt(doc.text, ws);
    const int added = int(tagged.size()) - wl;

    auto ours = [&]() -> Times {
        box_->setSelection(ws, wl);
        QCoreApplication::processEvents();
        EditContext ctx = form_->editContext();
        const double tInsert = Alternation::timeMs([&] {
            TagInserter(ctx).InsertTagPair(QStringLiteral("<B>"), QStringLiteral("</B>"));
            QCoreApplication::processEvents();
        });
        check(box_->length() == length + added && boxLineAt(box_, ws).contains(tagged, Qt::CaseInsensitive),
              QStringLiteral("insert: the tags are not around the word"));
        const double tUndo1 = Alternation::timeMs([&] {
            EditTools::run(Command::Undo, ctx);
            QCoreApplication::processEvents();
        });
        check(box_->length() == length && boxLineAt(box_, ws) == original, QStringLiteral("undo: the insertion stayed"));
        const double tUndo2 = Alternation::timeMs([&] {
            EditTools::run(Command::Undo, ctx);
            QCoreApplication::processEvents();
        });
        check(box_->length() == length + added && boxLineAt(box_, ws).contains(tagged, Qt::CaseInsensitive),
              QStringLiteral("undo: the second Undo did not bring the insertion back"));
        EditTools::run(Command::Undo, ctx);
        check(box_->length() == length && boxLineAt(box_, ws) == original, QStringLiteral("undo: no way back"));
        checkQuiet();
        return {tInsert, tUndo1 + tUndo2};
    };
    auto baseline = [&]() -> Times {
        const BareTurn turn(box_);
        base_->setTextCursor(rangeCursor(base_, ws, wl));
        QCoreApplication::processEvents();
        QString copy1, copy2, copy3;
        const double tInsert = Alternation::timeMs([&] {
            rangeCursor(base_, ws, wl).insertText(tagged);
            copy1 = base_->document()->toRawText();
            QCoreApplication::processEvents();
        });
        const double tUndo1 = Alternation::timeMs([&] {
            rangeCursor(base_, ws, int(tagged.size())).insertText(word);
            copy2 = base_->document()->toRawText();
            QCoreApplication::processEvents();
        });
        const double tUndo2 = Alternation::timeMs([&] {
            rangeCursor(base_, ws, wl).insertText(tagged);
            copy3 = base_->document()->toRawText();
            QCoreApplication::processEvents();
        });
        rangeCursor(base_, ws, int(tagged.size())).insertText(word);
        check(plainLength(base_) == length && copy2.size() == length, QStringLiteral("undo: the bare box lost text"));
        return {tInsert, tUndo1 + tUndo2};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    if (insert)
        table.add(figure(QStringLiteral("insert"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.5), false));
    if (undo)
        table.add(figure(QStringLiteral("undo"), doc.sizeMb, m, 1, Figure::targetAt(doc.sizeMb, 1.5), false));
}

void Scenarios::selectionRewrites(const Document &doc, ResultTable &table)
{
    const int ss = doc.sectionStart;
    const int sl = doc.sectionLength;
    const int length = int(doc.text.size());
    const QString section = doc.text.mid(ss, sl);
    const QString firstLine = lineAt(doc.text, ss);
    const int headLength = int(DocumentGenerator::sectionHead(1).size());
    const int footLength = int(DocumentGenerator::SectionFoot.size());

    // Ours through the command the menu runs, put back with Undo; the bare box by one
    // replacement of the selection and one copy of the text (what the snapshot costs).
    auto measure = [&](const QString &name, Command command, int change, const QString &lineAfter,
                       const std::function<QString(const QString &)> &rewrite) {
        if (!wanted(name))
            return;
        auto ours = [&]() -> Times {
            box_->setSelection(ss, sl);
            QCoreApplication::processEvents();
            EditContext ctx = form_->editContext();
            const double t = Alternation::timeMs([&] {
                EditTools::run(command, ctx);
                QCoreApplication::processEvents();
            });
            check(box_->length() == length + change && boxLineAt(box_, ss) == lineAfter,
                  name + QStringLiteral(": the selection was not rewritten"));
            EditTools::run(Command::Undo, ctx);
            check(box_->length() == length && boxLineAt(box_, ss) == firstLine,
                  name + QStringLiteral(": Undo did not bring the text back"));
            checkQuiet();
            return {t};
        };
        auto baseline = [&]() -> Times {
            const BareTurn turn(box_);
            base_->setTextCursor(rangeCursor(base_, ss, sl));
            QCoreApplication::processEvents();
            QString copy;
            int written = 0;
            const double t = Alternation::timeMs([&] {
                QTextCursor c = base_->textCursor();
                const QString result = rewrite(c.selectedText());
                written = int(result.size());
                c.insertText(result);
                copy = base_->document()->toRawText();
                QCoreApplication::processEvents();
            });
            rangeCursor(base_, ss, written).insertText(section);
            check(plainLength(base_) == length, name + QStringLiteral(": the bare box lost text"));
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(figure(name, doc.sizeMb, m, 0, std::nullopt, false));
    };

    measure(QStringLiteral("case_conversion"), Command::UpperCase, 0, AsciiCase::upper(firstLine),
            [](const QString &s) { return s.toUpper(); });
    measure(QStringLiteral("tag_removal"), Command::TagCut, -(headLength + footLength),
            firstLine.left(firstLine.size() - headLength),
            [&](const QString &s) { return s.mid(headLength, s.size() - headLength - footLength); });
}

void Scenarios::indentLines(const Document &doc, ResultTable &table)
{
    const bool indent = wanted(QStringLiteral("indent"));
    const bool unindent = wanted(QStringLiteral("unindent"));
    if (!indent && !unindent)
        return;
    const int n = doc.indentLines;
    int first = doc.indentFirstLine;
    // A selection that ends right after a line break does not cover the line after it.
    while (first + n < box_->lineCount() && box_->line(first + n - 1).isEmpty())
        ++first;
    const int length = int(doc.text.size());
    const int start = box_->posFromLine(first);
    const int end = box_->posFromLine(first + n - 1) + int(box_->line(first + n - 1).size());
    const QString firstLine = box_->line(first);
    const QString lastLine = box_->line(first + n - 1);

    auto ours = [&]() -> Times {
        box_->setSelection(start, end - start);
        QCoreApplication::processEvents();
        EditContext ctx = form_->editContext();
        const double tIndent = Alternation::timeMs([&] {
            EditTools::run(Command::Indent, ctx);
            QCoreApplication::processEvents();
        });
        check(box_->length() == length + n && box_->line(first) == QLatin1Char(' ') + firstLine &&
                  box_->line(first + n - 1) == QLatin1Char(' ') + lastLine && box_->selLength() == end - start + n - 1,
              QStringLiteral("indent: the lines did not move in by one space"));
        const double tUnindent = Alternation::timeMs([&] {
            EditTools::run(Command::Unindent, ctx);
            QCoreApplication::processEvents();
        });
        check(box_->length() == length && box_->line(first) == firstLine && box_->line(first + n - 1) == lastLine,
              QStringLiteral("unindent: the lines did not move back"));
        checkQuiet();
        return {tIndent, tUnindent};
    };
    auto baseline = [&]() -> Times {
        const BareTurn turn(box_);
        base_->setTextCursor(rangeCursor(base_, start, end - start));
        QCoreApplication::processEvents();
        int written = 0;
        const double tIndent = Alternation::timeMs([&] {
            QTextCursor c = base_->textCursor();
            const QString lines = c.selectedText();
            QString out;
            out.reserve(lines.size() + n);
            out += QLatin1Char(' ');
            for (QChar ch : lines) {
                out += ch;
                if (ch == QChar::ParagraphSeparator)
                    out += QLatin1Char(' ');
            }
            written = int(out.size());
            c.insertText(out);
            QCoreApplication::processEvents();
        });
        const double tUnindent = Alternation::timeMs([&] {
            QTextCursor c = rangeCursor(base_, start, written);
            const QString lines = c.selectedText();
            QString out;
            out.reserve(lines.size());
            bool lineStart = true;
            for (QChar ch : lines) {
                if (!(lineStart && ch == QLatin1Char(' ')))
                    out += ch;
                lineStart = ch == QChar::ParagraphSeparator;
            }
            c.insertText(out);
            QCoreApplication::processEvents();
        });
        check(plainLength(base_) == length && written == end - start + n,
              QStringLiteral("indent: the bare box lost text"));
        return {tIndent, tUnindent};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    if (indent)
        table.add(figure(QStringLiteral("indent"), doc.sizeMb, m, 0, std::nullopt, false));
    if (unindent)
        table.add(figure(QStringLiteral("unindent"), doc.sizeMb, m, 1, std::nullopt, false));
}

double Scenarios::timedSave(EditBox *box, const QString &path, const QString &scenario)
{
    box->setModified(true);
    QCoreApplication::processEvents();
    const double t = Alternation::timeMs([&] {
        form_->FileSaveClick();
        QCoreApplication::processEvents();
    });
    check(!box->isModified(), scenario + QStringLiteral(": the document is still marked modified"));
    flushToDisk(path);
    checkQuiet();
    // The notice closes itself later; it is not wanted piling up over the runs.
    qDeleteAll(form_->findChildren<TResultDlg *>());
    return t;
}

void Scenarios::save(const Document &doc, const QString &editPath, ResultTable &table)
{
    if (!wanted(QStringLiteral("save")))
        return;
    // The document is changed once, so Save writes something other than the file it read.
    box_->replaceRange(doc.wordStart, 0, QStringLiteral("<!-- saved -->"));
    const QString basePath = dir_.filePath(QStringLiteral("baseline-%1mb.html").arg(doc.sizeMb));

    auto ours = [&]() -> Times { return {timedSave(box_, editPath, QStringLiteral("save"))}; };
    auto baseline = [&]() -> Times {
        bool ok = false;
        const double t = Alternation::timeMs([&] {
            // The bare box saves its text, taken from the document it shares with ours (how
            // fast a document's text comes out of Qt depends on where its buffer starts).
            const QString withBreaks = crlfText(base_->document()->toRawText());
            QStringEncoder encoder("CP932");
            const QByteArray bytes = encoder.encode(withBreaks);
            QFile f(basePath);
            ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
        });
        check(ok, QStringLiteral("save: the plain write failed"));
        // Left dirty, this file's pages would be written by the next save's fsync: the
        // journal commit that makes our file durable waits for them as well.
        flushToDisk(basePath);
        return {t};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    check(readFile(editPath) == readFile(basePath), QStringLiteral("save: the file written is not the text encoded"));
    table.add(figure(QStringLiteral("save"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.5), false));
}

void Scenarios::memory(const Document &doc, ResultTable &table)
{
    if (!wanted(QStringLiteral("memory")))
        return;
    auto ours = [&]() -> Times { return {MemoryProbe::measure(true, doc.path, shape_)}; };
    auto baseline = [&]() -> Times { return {MemoryProbe::measure(false, doc.path, shape_)}; };
    const Alternation::Medians m = Alternation::run(runs_, false, ours, baseline);
    BenchResult r = figure(QStringLiteral("memory"), doc.sizeMb, m, 0, Figure::targetAt(doc.sizeMb, 1.3), false);
    r.memory = true;
    // Peak memory does not follow the machine's pace.
    r.machineRuns.clear();
    table.add(r);
}
