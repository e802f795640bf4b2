#include "app/HtmlColoring.h"

#include "app/EditBox.h"
#include "editing/HtmlColorScheme.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <atomic>

namespace {

// A block's user state: -1 without colours; otherwise the entry state and the colour
// generation its colours were made with.
constexpr int ColouredBit = 1 << 29;
constexpr int EntryMask = 0x7F;
constexpr int GenerationShift = 7;
constexpr int GenerationMask = 0x3FFF;
static_assert(HtmlScanner::StateLimit <= EntryMask + 1);

constexpr char Unknown = char(0xFF);
// Colours left on an edited block until its next paint: no state enters a block as this one.
constexpr int StaleEntry = EntryMask;

// Edits of more blocks than this are tokenized when they come into view, not at once.
constexpr int SmallEdit = 64;

bool isColoured(int state) { return state >= 0 && (state & ColouredBit); }
bool colouredWith(int state, int entry, int generation)
{
    return isColoured(state) && (state & EntryMask) == entry && ((state >> GenerationShift) & GenerationMask) == generation;
}
int colouredState(int entry, int generation) { return ColouredBit | entry | (generation << GenerationShift); }

// Generations differ between colourings, so that colours a box once had are never taken for
// ones made now.
int nextGeneration()
{
    static std::atomic<int> counter{0};
    return (counter.fetch_add(1) + 1) & GenerationMask;
}

RgbColor rgb(const QColor &c) { return RgbColor{c.red(), c.green(), c.blue()}; }

bool composing(const QTextBlock &block)
{
    return !block.layout()->preeditAreaText().isEmpty();
}

} // namespace

HtmlColoring::HtmlColoring(EditBox *box) : QObject(box), box_(box), doc_(box->document())
{
    generation_ = nextGeneration();
    blockCount_ = doc_->blockCount();
    ends_ = QByteArray(blockCount_, Unknown);
    makeFormats();
    connect(doc_, &QTextDocument::contentsChange, this, &HtmlColoring::contentsChange);
    connect(box, &EditBox::textLoaded, this, &HtmlColoring::textLoaded);
    connect(box, &EditBox::destroying, this, [this] { box_ = nullptr; });
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    box->viewport()->update();
}

HtmlColoring::~HtmlColoring()
{
    // A box being destroyed has taken its document along.
    if (!box_ || !doc_ || box_->document() != doc_)
        return;
    dropColours();
    box_->viewport()->update();
}

HtmlColoring *HtmlColoring::of(const EditBox *box)
{
    return box ? box->findChild<HtmlColoring *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

int HtmlColoring::colouredBlocks() const
{
    if (!doc_)
        return 0;
    int count = 0;
    for (const Range &r : coloured_) {
        QTextBlock b = doc_->findBlockByNumber(r.first);
        for (int n = r.first; n <= r.second && b.isValid(); ++n, b = b.next())
            count += isColoured(b.userState()) ? 1 : 0;
    }
    return count;
}

void HtmlColoring::dropColours()
{
    const QList<Range> ranges = coloured_;
    for (const Range &r : ranges)
        uncolour(r.first, r.second);
}

void HtmlColoring::makeFormats()
{
    const HtmlColorScheme::Colors colors = HtmlColorScheme::derive(rgb(box_->palette().color(QPalette::Base)));
    for (int k = 0; k < HtmlScanner::KindCount; ++k) {
        QTextCharFormat format;
        format.setForeground(QColor(colors[k].red, colors[k].green, colors[k].blue));
        formats_[k] = format;
    }
}

bool HtmlColoring::eventFilter(QObject *watched, QEvent *event)
{
    // The event's type first: a box going away still sends events, but never these.
    const QEvent::Type type = event->type();
    if ((type == QEvent::Paint || type == QEvent::PaletteChange) && box_ && doc_ && box_->document() == doc_) {
        if (type == QEvent::Paint && watched == box_->viewport()) {
            prepareView(static_cast<QPaintEvent *>(event)->region());
        } else if (type == QEvent::PaletteChange && watched == box_) {
            // New colours for the box's new colour; blocks take them as they are shown.
            generation_ = nextGeneration();
            makeFormats();
            box_->viewport()->update();
        }
    }
    return QObject::eventFilter(watched, event);
}

int HtmlColoring::entryOf(int n) const
{
    return n == 0 ? HtmlScanner::TextState : int(quint8(ends_.at(n - 1)));
}

int HtmlColoring::colour(QTextBlock &block, int entry)
{
    if (composing(block)) {
        // The input method's own formats show in this block until it commits.
        block.setUserState(-1);
        return HtmlScanner::scanLine(block.text(), entry);
    }
    runs_.clear();
    const int end = HtmlScanner::scanLine(block.text(), entry, &runs_);
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(runs_.size());
    for (const HtmlScanner::Run &run : std::as_const(runs_))
        ranges.append(QTextLayout::FormatRange{run.start, run.length, formats_[int(run.kind)]});
    QTextLayout *layout = block.layout();
    layout->setFormats(ranges);
    // Pieces of other colours are shaped one by one, which costs; keeping the glyphs of the
    // layout spares shaping them once more for the paint that follows it.
    layout->setCacheEnabled(true);
    block.setUserState(colouredState(entry, generation_));
    return end;
}

void HtmlColoring::settled(int n, int end)
{
    const char old = ends_.at(n);
    ends_[n] = char(end);
    if (n != valid_)
        return;
    if (n > garbage_ && n < known_ && old == char(end))
        valid_ = known_; // the rest of the old chain follows from here as it did
    else
        valid_ = n + 1;
    known_ = std::max(known_, valid_);
}

void HtmlColoring::ensureStates(int upTo)
{
    upTo = std::min(upTo, int(ends_.size()));
    while (valid_ < upTo) {
        const int start = valid_;
        QTextBlock block = doc_->findBlockByNumber(start);
        int entry = entryOf(start);
        for (int n = start; n < upTo && n == valid_ && block.isValid(); ++n, block = block.next()) {
            const int end = HtmlScanner::scanLine(block.text(), entry);
            settled(n, end);
            entry = end;
        }
        if (!block.isValid())
            break;
    }
}

void HtmlColoring::textLoaded(const QString &text)
{
    // The whole text was just replaced: its blocks are new, without colours.
    QByteArray ends = HtmlScanner::lineEndStates(text);
    if (ends.size() != doc_->blockCount())
        return; // not split as the document split it; found as needed instead
    ends_ = ends;
    valid_ = known_ = int(ends_.size());
    garbage_ = -1;
}

void HtmlColoring::prepareView(const QRegion &region)
{
    QTextBlock block = doc_->findBlockByLineNumber(box_->verticalScrollBar()->value());
    if (!block.isValid())
        block = doc_->firstBlock();
    const int first = block.blockNumber();
    // Every block takes one line at least, so this many blocks cover the view.
    const int lineHeight = std::max(1, box_->fontMetrics().lineSpacing());
    const int count = box_->viewport()->height() / lineHeight + 2;
    ensureStates(first);

    int entry = entryOf(first);
    QTextBlock firstChanged;
    QTextBlock lastChanged;
    int n = first;
    {
        // Nothing to repaint: this paint shows the new colours, and the parts outside it
        // are asked for below. The layout's own requests would paint the view twice.
        const QSignalBlocker quiet(doc_->documentLayout());
        for (int i = 0; i < count && block.isValid(); ++i, ++n, block = block.next()) {
            int end;
            if (colouredWith(block.userState(), entry, generation_)) {
                end = n < valid_ ? int(quint8(ends_.at(n))) : HtmlScanner::scanLine(block.text(), entry);
            } else {
                end = colour(block, entry);
                if (!firstChanged.isValid())
                    firstChanged = block;
                lastChanged = block;
            }
            settled(n, end);
            entry = end;
        }
        if (firstChanged.isValid()) {
            const int from = firstChanged.position();
            doc_->markContentsDirty(from, lastChanged.position() + lastChanged.length() - from);
        }
    }
    if (!firstChanged.isValid())
        return;
    addRange(firstChanged.blockNumber(), lastChanged.blockNumber());
    trimRanges(first, n - 1);

    // Blocks coloured now but outside what this paint covers are painted next.
    const QRect view = box_->viewport()->rect();
    if (region.contains(view))
        return;
    QTextCursor top(firstChanged);
    QTextCursor bottom(lastChanged);
    bottom.movePosition(QTextCursor::EndOfBlock);
    const int y0 = box_->cursorRect(top).top();
    const int y1 = box_->cursorRect(bottom).bottom();
    const QRegion changed(QRect(0, y0, box_->viewport()->width(), y1 - y0 + 1));
    const QRegion rest = changed.intersected(view).subtracted(region);
    if (!rest.isEmpty())
        box_->viewport()->update(rest);
}

void HtmlColoring::contentsChange(int from, int removed, int added)
{
    Q_UNUSED(removed);
    const int count = doc_->blockCount();
    const int delta = count - blockCount_;
    blockCount_ = count;
    const int limit = std::max(0, doc_->characterCount() - 1);
    QTextBlock firstBlock = doc_->findBlock(std::clamp(from, 0, limit));
    QTextBlock lastBlock = doc_->findBlock(std::clamp(from + added, 0, limit));
    if (!firstBlock.isValid() || !lastBlock.isValid())
        return;
    const int f = firstBlock.blockNumber();
    const int l = std::max(f, lastBlock.blockNumber());
    const int oldLast = l - delta; // the last block the edit touched, as numbered before it
    if (oldLast < f || oldLast >= ends_.size()) {
        // Not an edit as this view followed them: start again from nothing known.
        dropColours();
        ends_ = QByteArray(count, Unknown);
        valid_ = known_ = 0;
        garbage_ = -1;
        return;
    }
    auto shifted = [&](int x) { return x > oldLast ? x + delta : x; };

    // The old end state of the edited stretch, then new blocks' states unknown.
    const char oldEnd = oldLast < ends_.size() ? ends_.at(oldLast) : Unknown;
    ends_.replace(f, oldLast - f + 1, QByteArray(l - f + 1, Unknown));

    // Colours of blocks the edit left alone move with them; new blocks have none.
    QList<Range> moved;
    for (const Range &r : std::as_const(coloured_)) {
        if (r.first < f)
            moved.append({r.first, std::min(r.second, f - 1)});
        if (r.second > oldLast)
            moved.append({std::max(r.first, oldLast + 1) + delta, r.second + delta});
    }
    coloured_ = moved;

    const int oldValid = valid_;
    const int oldKnown = known_;
    const int garbageBeyond = garbage_ >= oldValid ? shifted(garbage_) : -1;
    const int knownAfter = oldKnown > oldLast ? oldKnown + delta : l + 1;

    // Colours of edited blocks stay until their next paint, which makes them again: setting
    // formats now would widen the change Qt lays out and repaint the whole view for one key.
    auto markStale = [&](QTextBlock &b, int n) {
        if (isColoured(b.userState())) {
            b.setUserState(colouredState(StaleEntry, generation_));
            addRange(n, n);
        }
    };

    if (f < oldValid && l - f <= SmallEdit) {
        // Tokenized at once (states only): typing costs one line.
        int entry = entryOf(f);
        QTextBlock b = firstBlock;
        for (int n = f; n <= l && b.isValid(); ++n, b = b.next()) {
            markStale(b, n);
            entry = HtmlScanner::scanLine(b.text(), entry);
            ends_[n] = char(entry);
        }
        if (oldEnd == char(entry)) {
            valid_ = oldValid > oldLast ? oldValid + delta : l + 1;
            garbage_ = garbageBeyond;
        } else {
            valid_ = l + 1;
            garbage_ = std::max(l, garbageBeyond);
        }
        known_ = std::max(knownAfter, valid_);
        return;
    }

    // The blocks between the first and the last are new.
    markStale(firstBlock, f);
    if (l != f)
        markStale(lastBlock, l);
    if (f < oldValid) {
        valid_ = f;
        garbage_ = std::max(l, garbageBeyond);
        known_ = oldKnown > oldLast ? oldKnown + delta : f;
    } else if (f <= garbage_) {
        garbage_ = std::max(l, garbageBeyond);
        known_ = oldKnown > oldLast ? oldKnown + delta : f;
    } else if (f < oldKnown) {
        known_ = f;
    }
    known_ = std::max(known_, valid_);
}

void HtmlColoring::addRange(int first, int last)
{
    QList<Range> out;
    Range add{first, last};
    bool placed = false;
    for (const Range &r : std::as_const(coloured_)) {
        if (r.second + 1 < add.first) {
            out.append(r);
        } else if (add.second + 1 < r.first) {
            if (!placed) {
                out.append(add);
                placed = true;
            }
            out.append(r);
        } else {
            add = {std::min(add.first, r.first), std::max(add.second, r.second)};
        }
    }
    if (!placed)
        out.append(add);
    coloured_ = out;
}

void HtmlColoring::trimRanges(int first, int last)
{
    qint64 total = 0;
    for (const Range &r : std::as_const(coloured_))
        total += r.second - r.first + 1;
    if (total <= KeptBlocks)
        return;
    const int keepFrom = first - KeptBlocks / 4;
    const int keepTo = last + KeptBlocks / 4;
    const QList<Range> ranges = coloured_;
    const QSignalBlocker quiet(doc_->documentLayout()); // out of view: nothing to repaint
    for (const Range &r : ranges) {
        if (r.first < keepFrom)
            uncolour(r.first, std::min(r.second, keepFrom - 1));
        if (r.second > keepTo)
            uncolour(std::max(r.first, keepTo + 1), r.second);
    }
}

void HtmlColoring::uncolour(int first, int last)
{
    if (first > last)
        return;
    QTextBlock block = doc_->findBlockByNumber(first);
    int from = -1;
    int to = -1;
    for (int n = first; n <= last && block.isValid(); ++n, block = block.next()) {
        if (!isColoured(block.userState()))
            continue;
        if (!composing(block))
            block.layout()->clearFormats();
        block.layout()->setCacheEnabled(false);
        block.setUserState(-1);
        if (from < 0)
            from = block.position();
        to = block.position() + block.length();
    }
    if (from >= 0)
        doc_->markContentsDirty(from, to - from);
    QList<Range> out;
    for (const Range &r : std::as_const(coloured_)) {
        if (r.second < first || r.first > last) {
            out.append(r);
            continue;
        }
        if (r.first < first)
            out.append({r.first, first - 1});
        if (r.second > last)
            out.append({last + 1, r.second});
    }
    coloured_ = out;
}
