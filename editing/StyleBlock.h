#pragma once

#include "editing/EditContext.h"

#include <QStringList>

// The empty STYLE block of the header declaration, put into the page's head.
class StyleBlock
{
public:
    // The block's five lines: start tag, comment opener, the line for the rules (one
    // space), comment closer, end tag; the tags in the tag case.
    static QStringList lines(int tagCase);

    // An empty document becomes the block; otherwise the block goes directly above the
    // first line holding "</HEAD>" (in either case). Every use adds a block, under one
    // undo snapshot; the caret goes to the end of the rule line. False, changing
    // nothing, when a non-empty document has no such line.
    static bool Declare(const EditContext &context);
};
