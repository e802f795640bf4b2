#include "userdata/tagdictionary/TagDictionaryEditor.h"

#include "editing/AsciiCase.h"
#include "platform/Cp932Codec.h"

#include <algorithm>

namespace {
const QString Tags = QStringLiteral("TAGS");

QString opening(const QString &name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

QString closing(const QString &name)
{
    return QStringLiteral("</") + name + QLatin1Char('>');
}

// A name that would make its own markers unreadable: a blank splits the tag name when
// completing, and "<", ">" or "/" would make "<NAME>" read as another marker.
bool breaksMarkers(QStringView name)
{
    for (QChar c : name) {
        if (c.unicode() <= 32 || c.isSpace() || c == u'<' || c == u'>' || c == u'/')
            return true;
    }
    return false;
}
} // namespace

QString TagDictionaryEditor::Notice::text() const
{
    switch (kind) {
    case Kind::IndexOfError: return QStringLiteral("IndexOf Error");
    case Kind::NotFound: return QLatin1Char('\'') + subject + QStringLiteral("'が見つかりませんでした。");
    case Kind::Duplicate:
        return QLatin1Char('"') + subject + QStringLiteral("\" を追加しようとしました。\r\n\r\nこのタグはすでに登録されています。");
    case Kind::DeleteFailed: return QLatin1Char('"') + subject + QStringLiteral("\" の削除に失敗しました。");
    case Kind::EmptyName: return QStringLiteral("追加するタグ名を入力してください。");
    case Kind::ReservedName:
        return QLatin1Char('"') + subject
               + QStringLiteral("\" はタグ一覧の目印に使われているため、タグとして追加できません。");
    case Kind::NotATagName:
        return QLatin1Char('"') + subject
               + QStringLiteral("\" はタグ名として追加できません。\r\n\r\n空白、「<」「>」「/」を含まない名前を入力してください。");
    case Kind::Unencodable:
        return QStringLiteral("Shift-JIS で保存できない文字「") + subject
               + QStringLiteral("」が含まれています。\r\n\r\nこの文字を除いてから、もう一度お試しください。");
    }
    return {};
}

TagDictionaryEditor::TagDictionaryEditor(QStringList lines) : lines_(std::move(lines))
{
    if (!lines_.isEmpty()) {
        names_ = content(Tags);
        sortNames(names_);
    }
}

QString TagDictionaryEditor::trimmed(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text.at(b).unicode() <= 32)
        ++b;
    while (e > b && text.at(e - 1).unicode() <= 32)
        --e;
    return text.mid(b, e - b).toString();
}

QString TagDictionaryEditor::unencodable(QStringView text)
{
    int count = 0;
    Cp932Codec::encode(text, &count);
    if (count == 0)
        return QString();
    QString found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView c = text.mid(i, n);
        int bad = 0;
        Cp932Codec::encode(c, &bad);
        if (bad > 0 && !found.contains(c))
            found += c;
        i += n;
    }
    return found;
}

void TagDictionaryEditor::sortNames(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = AsciiCase::upper(a).compare(AsciiCase::upper(b));
        return c != 0 ? c < 0 : a < b;
    });
}

qsizetype TagDictionaryEditor::find(QStringView line, qsizetype from) const
{
    if (!indexed_) {
        index_.clear();
        for (qsizetype i = 0; i < lines_.size(); ++i)
            index_[AsciiCase::upper(lines_.at(i))].append(i);
        indexed_ = true;
    }
    const auto found = index_.constFind(AsciiCase::upper(line));
    if (found == index_.constEnd())
        return -1;
    const auto it = std::lower_bound(found->cbegin(), found->cend(), from);
    return it == found->cend() ? -1 : *it;
}

TagDictionaryEditor::Block TagDictionaryEditor::locate(const QString &name) const
{
    Block b;
    b.open = find(opening(name));
    if (b.open < 0)
        return b;
    b.close = find(closing(name), b.open + 1);
    b.found = b.close < 0 ? Found::NoClosing : Found::Whole;
    return b;
}

QStringList TagDictionaryEditor::content(const QString &name)
{
    const Block b = locate(name);
    if (b.found == Found::NoClosing)
        notices_.append({Notice::Kind::IndexOfError, opening(name), lines_});
    if (b.found != Found::Whole)
        return {};
    return lines_.mid(b.open + 1, b.close - b.open - 1);
}

TagDictionaryEditor::Found TagDictionaryEditor::removeBlock(const QString &name)
{
    const Block b = locate(name);
    if (b.found != Found::Whole) {
        notices_.append({Notice::Kind::NotFound, opening(name), {}});
        return b.found;
    }
    lines_.remove(b.open, b.close - b.open + 1);
    changed();
    return Found::Whole;
}

QStringList TagDictionaryEditor::attributes(const QString &name)
{
    notices_.clear();
    return content(name);
}

bool TagDictionaryEditor::add(const QString &typed)
{
    notices_.clear();
    const QString name = AsciiCase::upper(trimmed(typed));
    // An empty name would write the markers "<>" and "</>".
    if (name.isEmpty()) {
        notices_.append({Notice::Kind::EmptyName, {}, {}});
        return false;
    }
    // A block named TAGS would be taken for the tag list.
    if (name == Tags) {
        notices_.append({Notice::Kind::ReservedName, name, {}});
        return false;
    }
    if (breaksMarkers(name)) {
        notices_.append({Notice::Kind::NotATagName, name, {}});
        return false;
    }
    if (const QString bad = unencodable(name); !bad.isEmpty()) {
        notices_.append({Notice::Kind::Unencodable, bad, {}});
        return false;
    }
    if (names_.contains(name)) {
        notices_.append({Notice::Kind::Duplicate, name, {}});
        return false;
    }
    if (lines_.isEmpty()) {
        lines_ << opening(Tags) << name << closing(Tags);
    } else {
        QStringList listed = content(Tags);
        // A tag list without its closing line stays as it is: rebuilding it from the
        // empty content would lose its names.
        if (removeBlock(Tags) == Found::NoClosing)
            return false;
        listed.append(name);
        sortNames(listed);
        listed.prepend(opening(Tags));
        listed.append(closing(Tags));
        lines_ = listed + lines_;
    }
    lines_ << opening(name) << closing(name);
    changed();
    names_.append(name);
    sortNames(names_);
    return true;
}

bool TagDictionaryEditor::remove(const QString &selected)
{
    notices_.clear();
    const QString name = trimmed(selected);
    const bool hasList = std::any_of(lines_.cbegin(), lines_.cend(),
                                     [](const QString &line) { return line.startsWith(opening(Tags)); });
    if (!hasList) {
        notices_.append({Notice::Kind::DeleteFailed, name, {}});
        return false;
    }
    QStringList listed = content(Tags);
    // Appending a new list while the old one stays would leave two.
    if (removeBlock(Tags) != Found::Whole)
        return false;
    listed.removeOne(name);
    lines_ << opening(Tags) << listed << closing(Tags);
    changed();
    removeBlock(name);
    names_.removeOne(selected);
    return true;
}

std::optional<QStringList> TagDictionaryEditor::update(const QString &name, const QString &text)
{
    notices_.clear();
    if (text.isEmpty())
        return std::nullopt;
    // Saved, they would come back as "?".
    if (const QString bad = unencodable(text); !bad.isEmpty()) {
        notices_.append({Notice::Kind::Unencodable, bad, {}});
        return std::nullopt;
    }
    QStringList options;
    const auto parts = QStringView(text).split(QLatin1Char('\n'));
    for (QStringView part : parts) {
        const QString line = AsciiCase::upper(trimmed(part));
        if (!line.isEmpty())
            options.append(line);
    }
    sortNames(options);
    // A block without its closing line is left alone: a second block after it would be
    // read as part of it.
    if (removeBlock(name) == Found::NoClosing)
        return options;
    lines_ << opening(name) << options << closing(name);
    changed();
    return options;
}
