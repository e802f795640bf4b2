#pragma once

#include "editing/HtmlScanner.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTextCharFormat>

#include <array>
#include <utility>

class EditBox;
class QRegion;
class QTextBlock;
class QTextDocument;

// Colours the HTML in one editing box, for display only: the text never changes.
//
// Only the blocks about to be painted get colours, in the paint that shows them, tokenized
// from the state the block before ended in. The end state of every block is one byte in a
// table beside the document: a page read from a file has them all from one quick scan of the
// text as it is loaded (no colours, no layouts), so a jump to its end costs a screenful.
// Otherwise states are found by scanning forward from the last block known to be right. An
// edit re-tokenizes the blocks it touched; when their end state changes, the blocks after it
// are checked again as they come into view, until the states meet the ones stored before.
// Each block's user state tells whether it holds colours and what they were made from. Blocks
// far from every recent view lose their colours again, so scrolling through a long page does
// not keep growing.
class HtmlColoring : public QObject
{
    Q_OBJECT
public:
    explicit HtmlColoring(EditBox *box);
    // Takes the colours away again.
    ~HtmlColoring() override;

    // The colouring of box, if any.
    static HtmlColoring *of(const EditBox *box);

    // Blocks that keep their colours at most; those farthest from the view lose them first.
    static constexpr int KeptBlocks = 6000;

    // The blocks holding colours now.
    int colouredBlocks() const;
    // Takes every block's colours away and keeps the states: the view is coloured again as it
    // is painted, as after opening.
    void dropColours();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Range = std::pair<int, int>; // first and last block number

    void makeFormats();
    void contentsChange(int from, int removed, int added);
    void textLoaded(const QString &text);
    // Colours the blocks the coming paint shows; region is what it paints.
    void prepareView(const QRegion &region);
    // Makes the end states of every block before `upTo` right.
    void ensureStates(int upTo);
    // Records that block n, entered in a right state, ended in `end`. Moves the edge of the
    // right states on, jumping to the old chain's end where the new states meet it.
    void settled(int n, int end);
    int entryOf(int n) const;
    // Tokenizes block with its colours (unless an input method is composing in it) and gives its end state.
    int colour(QTextBlock &block, int entry);
    void addRange(int first, int last);
    // Keeps the colours of the blocks near [first, last] only.
    void trimRanges(int first, int last);
    void uncolour(int first, int last);

    QPointer<EditBox> box_;
    QPointer<QTextDocument> doc_;
    std::array<QTextCharFormat, HtmlScanner::KindCount> formats_;
    int generation_ = 0;
    int blockCount_ = 1;
    // One end state a block, Unknown where none was found yet.
    QByteArray ends_;
    // Blocks [0, valid_) hold right end states. Blocks (garbage_, known_) hold the states of an
    // earlier chain that each follows from the block before; the new chain may meet it there.
    int valid_ = 0;
    int garbage_ = -1;
    int known_ = 0;
    QList<Range> coloured_; // sorted, apart; may name blocks without colours, never the reverse
    QList<HtmlScanner::Run> runs_;
};
