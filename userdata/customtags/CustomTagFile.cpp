#include "userdata/customtags/CustomTagFile.h"

#include "platform/ProfileStore.h"
#include "platform/ProfileText.h"

#include <algorithm>

namespace {

const QString TagsSection = QStringLiteral("Tags");
const QString CountKey = QStringLiteral("Count");

QString sectionOf(int number)
{
    return QStringLiteral("Tag") + QString::number(number);
}

CustomTag entryOf(const ProfileText &text, int number, const QString &nameDefault)
{
    const QString section = sectionOf(number);
    return {text.value(section, QStringLiteral("Name")).value_or(nameDefault),
            text.value(section, QStringLiteral("Head")).value_or(QString()),
            text.value(section, QStringLiteral("Foot")).value_or(CustomTagFile::NoFoot)};
}

} // namespace

QList<CustomTag> CustomTagFile::readAll(const QString &nameDefault) const
{
    ProfileText text;
    if (!ProfileStore(path_).read(text))
        return {};
    const int count = ProfileText::parseInteger(text.value(TagsSection, CountKey).value_or(QString())).value_or(0);
    // Every entry needs a section of its own besides [Tags].
    const int bound = std::min<qsizetype>(count, text.sectionNames().size());
    QList<CustomTag> tags;
    for (int n = 1; n <= bound; ++n)
        tags.append(entryOf(text, n, nameDefault));
    return tags;
}

CustomTag CustomTagFile::read(int number, const QString &nameDefault) const
{
    ProfileText text;
    ProfileStore(path_).read(text);
    return entryOf(text, number, nameDefault);
}

bool CustomTagFile::writeAll(const QList<CustomTag> &tags, QString *error) const
{
    ProfileStore store(path_);
    const bool ok = store.update([&tags](ProfileText &text, QString *reason) {
        for (const CustomTag &t : tags) {
            if (!fieldAcceptable(t.name) || !fieldAcceptable(t.head) || !fieldAcceptable(t.foot)) {
                *reason = QStringLiteral("改行を含む項目は登録できません。");
                return false;
            }
        }
        if (!text.setValue(TagsSection, CountKey, QString::number(tags.size()), reason))
            return false;
        for (int i = 0; i < tags.size(); ++i) {
            const QString section = sectionOf(i + 1);
            text.eraseSection(section);
            const CustomTag &t = tags.at(i);
            if (!text.setValue(section, QStringLiteral("Name"), t.name, reason)
                || !text.setValue(section, QStringLiteral("Head"), t.head, reason)
                || !text.setValue(section, QStringLiteral("Foot"), t.foot, reason))
                return false;
        }
        return true;
    });
    if (!ok && error)
        *error = store.lastError();
    return ok;
}

bool CustomTagFile::fieldAcceptable(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QChar(0x2028)) && !text.contains(QChar(0x2029));
}
