#include "app/FontFallback.h"

#include <QApplication>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace {
QString askFontconfig(const char *pattern)
{
    if (!FcInit())
        return QString();
    QString family;
    FcPattern *wanted = FcNameParse(reinterpret_cast<const FcChar8 *>(pattern));
    if (!wanted)
        return family;
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    if (FcPattern *match = FcFontMatch(nullptr, wanted, &result)) {
        FcLangSet *langs = nullptr;
        FcChar8 *name = nullptr;
        // fontconfig always answers with something: only a font that covers Japanese will do.
        if (FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch &&
            FcLangSetHasLang(langs, reinterpret_cast<const FcChar8 *>("ja")) == FcLangEqual &&
            FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
            family = QString::fromUtf8(reinterpret_cast<const char *>(name));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(wanted);
    return family;
}
} // namespace

QString FontFallback::japaneseFamily(Kind kind)
{
    static const QString monospace = askFontconfig("monospace:lang=ja");
    static const QString proportional = askFontconfig("sans-serif:lang=ja");
    return kind == Kind::Monospace ? monospace : proportional;
}

QFont FontFallback::fromStored(const StoredFont &stored, Kind kind)
{
    QFont font = kind == Kind::Monospace ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QApplication::font();
    if (QFontDatabase::hasFamily(stored.name)) {
        font.setFamily(stored.name);
    } else {
        const QString standIn = japaneseFamily(kind);
        if (!standIn.isEmpty() && QFontDatabase::hasFamily(standIn))
            font.setFamilies({standIn});
    }
    font.setPointSize(stored.size > 0 ? stored.size : 9);
    font.setBold(stored.bold());
    font.setItalic(stored.italic());
    return font;
}
