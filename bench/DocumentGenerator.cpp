#include "bench/DocumentGenerator.h"

#include "platform/Cp932Codec.h"

#include <QList>

#include <stdexcept>

namespace {

// Only characters with one CP932 code that every converter maps alike: no wave dash,
// minus, double vertical line or the NEC/IBM duplicates, no backslash or tilde.
const char16_t *const JapaneseWords[] = {
    u"日本語", u"文書", u"編集", u"表示", u"東京", u"大阪", u"京都", u"天気", u"今日", u"明日",
    u"会社", u"案内", u"お知らせ", u"ページ", u"ホームページ", u"リンク", u"画像", u"写真", u"更新",
    u"情報", u"ひらがな", u"カタカナ", u"漢字", u"です", u"ます", u"ました", u"について", u"から",
    u"まで", u"および", u"の", u"に", u"を", u"は", u"が", u"と", u"、", u"。", u"「", u"」", u"（",
    u"）", u"・", u"ｶﾀｶﾅ", u"ﾃｽﾄ", u"１２３", u"ＡＢＣ", u"〒", u"※", u"→", u"◆", u"●", u"■",
    u"℃", u"￥", u"①", u"予定", u"連絡", u"最新", u"記事", u"一覧", u"掲示板", u"利用規約",
};

const char *const AsciiWords[] = {
    "the", "editor", "page", "link", "table", "image", "style", "Tagwell", "section", "benchmark",
    "document", "line", "text", "markup", "browser", "hand", "written", "source", "plain", "value",
    "width", "height", "color", "font", "size", "a", "of", "and", "to", "in", "is", "for", "with",
};

constexpr qsizetype JapaneseCount = sizeof(JapaneseWords) / sizeof(JapaneseWords[0]);
constexpr qsizetype AsciiCount = sizeof(AsciiWords) / sizeof(AsciiWords[0]);

// xorshift64*: small, fast and the same everywhere.
class Random
{
public:
    explicit Random(quint64 seed) : state_(seed ? seed : 1) {}
    quint64 next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    quint64 state_;
};

class Writer
{
public:
    explicit Writer(quint64 seed) : random_(seed)
    {
        for (const char16_t *w : JapaneseWords) {
            int unencodable = 0;
            QByteArray bytes = Cp932Codec::encode(QStringView(w), &unencodable);
            if (unencodable != 0)
                throw std::runtime_error("generator word without a CP932 code");
            japanese_.append(bytes);
        }
    }

    QByteArray out;

    void raw(const char *s) { out.append(s); }
    void line(const char *s)
    {
        out.append(s);
        out.append("\r\n");
    }
    void breakLine() { out.append("\r\n"); }
    void number() { out.append(QByteArray::number(random_.between(1, 99999))); }

    void japanese(int words)
    {
        for (int i = 0; i < words; ++i)
            out.append(japanese_[random_.below(int(JapaneseCount))]);
    }
    void ascii(int words)
    {
        for (int i = 0; i < words; ++i) {
            if (i > 0)
                out.append(' ');
            out.append(AsciiWords[random_.below(int(AsciiCount))]);
        }
    }

    // One line of ordinary length, of a kind picked at random.
    void ordinaryLine()
    {
        switch (random_.below(10)) {
        case 0:
        case 1:
            raw("<P>");
            japanese(random_.between(6, 30));
            line("</P>");
            break;
        case 2:
            raw("\t<LI>");
            japanese(random_.between(2, 8));
            raw(" ");
            ascii(random_.between(1, 5));
            line("</LI>");
            break;
        case 3:
            raw("\t\t<TD>");
            ascii(random_.between(1, 4));
            raw("</TD>\t<TD ALIGN=\"right\">");
            number();
            line("</TD>");
            break;
        case 4:
            ascii(random_.between(4, 10));
            raw(" <B>");
            ascii(1);
            raw("</B> ");
            ascii(random_.between(3, 10));
            line(".");
            break;
        case 5:
            raw("<A HREF=\"page");
            number();
            raw(".html\">");
            japanese(random_.between(2, 6));
            line("</A><BR>");
            break;
        case 6:
            raw("<!-- ");
            ascii(random_.between(2, 8));
            line(" -->");
            break;
        case 7:
            raw("<H2>");
            japanese(random_.between(2, 6));
            line("</H2>");
            break;
        case 8:
            raw("\t");
            ascii(random_.between(3, 12));
            raw(" ");
            japanese(random_.between(3, 12));
            breakLine();
            break;
        default:
            if (random_.below(3) == 0)
                breakLine();
            else
                line("<HR>");
            break;
        }
    }

    // A paragraph of tens of kilobytes without a line break, like pasted or generated markup.
    void longLine()
    {
        const qsizetype until = out.size() + random_.between(16, 64) * 1024;
        raw("<P CLASS=\"long\">");
        while (out.size() < until) {
            japanese(random_.between(2, 6));
            raw(" <SPAN>");
            ascii(random_.between(1, 4));
            raw("</SPAN>\t");
        }
        line("</P>");
    }

    void section(int index, qint64 budget)
    {
        const qsizetype start = out.size();
        out.append(DocumentGenerator::sectionHead(index).toLatin1());
        breakLine();
        // The first section's long line stands near the top, so the first paint meets it.
        const qint64 longAt = index == 1 ? 600 : budget / 2;
        bool longDone = budget < 256 * 1024; // a short last section has none
        while (out.size() - start < budget - 64) {
            if (!longDone && out.size() - start >= longAt) {
                longLine();
                longDone = true;
                continue;
            }
            ordinaryLine();
        }
        out.append(DocumentGenerator::SectionFoot.toLatin1());
        breakLine();
    }

private:
    Random random_;
    QList<QByteArray> japanese_;
};

const char Head[] = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                    "<HTML LANG=\"ja\">\r\n"
                    "<HEAD>\r\n"
                    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n";
const char Tail[] = "</BODY>\r\n</HTML>\r\n";

} // namespace

QByteArray DocumentGenerator::generate(int sizeMb)
{
    const qint64 target = qint64(sizeMb) * MiB;
    Writer w(0x5461677765ULL * quint64(sizeMb) + 0x9E3779B97F4A7C15ULL);
    w.out.reserve(target + 128 * 1024);
    w.raw(Head);
    w.raw("<TITLE>");
    w.japanese(4);
    w.line("</TITLE>");
    w.line("</HEAD>");
    w.line("<BODY>");
    const qint64 tail = qint64(sizeof(Tail)) - 1;
    for (int index = 1; w.out.size() + tail < target; ++index) {
        const qint64 left = target - tail - w.out.size();
        w.section(index, std::min(SectionBytes, std::max<qint64>(left, 256)));
    }
    w.raw(Tail);
    return w.out;
}

QString DocumentGenerator::sectionHead(int index)
{
    return QStringLiteral("<DIV CLASS=\"section%1\">").arg(index);
}
