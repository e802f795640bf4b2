// Values the wizards read back from TW.ini. Control byte, then the stored text (CP932).
//   bit 0 clear: the text as a [Marquee] BGColor colour name;
//   bit 0 set:   the text as a [DateValue] Order, after list choices taken from the next bytes.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "platform/Cp932Codec.h"
#include "wizards/lists/ColorName.h"
#include "wizards/lists/DateFormat.h"

#include <QString>

namespace {
bool isPlain(const RgbColor &c)
{
    return c.red >= 0 && c.red < 256 && c.green >= 0 && c.green < 256 && c.blue >= 0 && c.blue < 256;
}

void checkColor(const QString &text, const RgbColor &made)
{
    if (const std::optional<RgbColor> c = ColorName::fromName(text)) {
        FUZZ_CHECK(isPlain(*c));
        // Whatever was read is written so that it reads back the same.
        FUZZ_CHECK(ColorName::fromName(ColorName::toName(*c)) == c);
    }
    const QString name = ColorName::toName(made);
    FUZZ_CHECK(name.startsWith(QLatin1String("cl")) || (name.size() == 9 && name.startsWith(QLatin1String("$00"))));
    FUZZ_CHECK(ColorName::fromName(name) == made);
    FUZZ_CHECK(ColorName::fromName(name.toLower()) == made && ColorName::fromName(name.toUpper()) == made);
}

void checkParts(const DateParts &p)
{
    int used = 0;
    bool seen[4] = {};
    for (int part = 0; part < 3; ++part) {
        const int pos = p.position(part);
        FUZZ_CHECK(pos >= 0 && pos <= 3);
        if (pos == 0)
            continue;
        FUZZ_CHECK(p.index(part) > 0);
        FUZZ_CHECK(!seen[pos]);
        seen[pos] = true;
        ++used;
    }
    // The places in use are 1..used, without a gap.
    for (int pos = 1; pos <= 3; ++pos)
        FUZZ_CHECK(seen[pos] == (pos <= used));
    FUZZ_CHECK(p.order().size() == 3);
}

void checkOrder(FuzzInput &input, const QString &order)
{
    static const DateFormat::Conventions conventions;
    const QDateTime moment(QDate(2026, 3, 4), QTime(21, 7, 30));
    DateParts p;
    const int choices = input.byte() % 8;
    for (int i = 0; i < choices; ++i) {
        p.choose(input.byte() % 3, int(input.byte()) - 2, moment, conventions);
        checkParts(p);
    }
    p.applyOrder(order);
    checkParts(p);
    // What is stored reads back as itself.
    const QString stored = p.order();
    DateParts again = p;
    again.applyOrder(stored);
    FUZZ_CHECK(again.order() == stored && again.preview() == p.preview());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t control = input.byte();
    if (control & 1) {
        const QByteArray choices = input.chunk(17);
        FuzzInput choiceInput(reinterpret_cast<const uint8_t *>(choices.constData()), size_t(choices.size()));
        checkOrder(choiceInput, Cp932Codec::decode(input.rest()));
    } else {
        const RgbColor made{input.byte(), input.byte(), input.byte()};
        checkColor(Cp932Codec::decode(input.rest()), made);
    }
    return 0;
}
