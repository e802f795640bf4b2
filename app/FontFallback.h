#pragma once

#include "app/StartupSettings.h"

#include <QFont>
#include <QString>

// The fonts TW.ini names come from the other platform ("FixedSys", "ＭＳ Ｐゴシック") and
// are rarely installed here. Their stand-ins must cover Japanese, or every "<" next to
// Japanese text is drawn from another font with another shape and width: the editor gets
// fontconfig's monospaced font for Japanese (its Latin half fixed-pitch), the tabs and
// the status bar its Japanese sans-serif font. The stored names are never changed.
class FontFallback
{
public:
    enum class Kind { Monospace, Proportional };

    // fontconfig's choice for the kind with lang=ja; empty when it offers none that covers Japanese.
    static QString japaneseFamily(Kind kind);
    // The stored font where it is installed, the Japanese stand-in (or Qt's default) where not.
    static QFont fromStored(const StoredFont &stored, Kind kind);
};
