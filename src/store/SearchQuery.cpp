#include "SearchQuery.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool isQuote(QChar character)
{
    return character == QLatin1Char('"') || character == QChar(0x201C) || character == QChar(0x201D)
        || character == QChar(0x201E);
}

// One piece of the text: a word, or a phrase that was quoted (never a filter).
struct Token {
    QString text;
    bool negated = false;
    bool quoted = false;
};

QList<Token> tokenize(const QString &text)
{
    QList<Token> tokens;
    qsizetype index = 0;
    const qsizetype size = text.size();
    while (index < size) {
        while (index < size && text.at(index).isSpace())
            ++index;
        if (index == size)
            break;
        Token token;
        if (text.at(index) == QLatin1Char('-') && index + 1 < size && !text.at(index + 1).isSpace()) {
            token.negated = true;
            ++index;
        }
        if (isQuote(text.at(index))) {
            // A phrase runs to the closing quote, or to the end when there is none.
            const qsizetype start = ++index;
            while (index < size && !isQuote(text.at(index)))
                ++index;
            token.text = text.mid(start, index - start).simplified();
            token.quoted = true;
            if (index < size)
                ++index;
        } else {
            const qsizetype start = index;
            while (index < size && !text.at(index).isSpace())
                ++index;
            token.text = text.mid(start, index - start);
        }
        if (!token.text.isEmpty())
            tokens.append(token);
    }
    return tokens;
}

std::optional<ShareItem::ContentKind> kindNamed(const QString &name)
{
    if (name == QLatin1String("note") || name == QLatin1String("text"))
        return ShareItem::ContentKind::text;
    if (name == QLatin1String("link") || name == QLatin1String("url"))
        return ShareItem::ContentKind::url;
    if (name == QLatin1String("picture") || name == QLatin1String("image"))
        return ShareItem::ContentKind::image;
    return std::nullopt;
}

// "https://www.Example.org/a" -> "example.org"; empty when nothing of a host is left.
QString normalizedSite(QString site)
{
    site = site.toLower();
    if (const qsizetype scheme = site.indexOf(QLatin1String("://")); scheme >= 0)
        site = site.mid(scheme + 3);
    const qsizetype end = site.indexOf(QRegularExpression(QStringLiteral("[/?#:]")));
    if (end >= 0)
        site.truncate(end);
    if (site.startsWith(QLatin1String("www.")))
        site = site.mid(4);
    while (site.startsWith(QLatin1Char('.')))
        site = site.mid(1);
    return site;
}

void addUnique(QStringList &list, const QString &value)
{
    if (!list.contains(value))
        list.append(value);
}

template<typename T>
void addUnique(QList<T> &list, const T &value)
{
    if (!list.contains(value))
        list.append(value);
}

// Applies a filter word to `query`; false when the token is no filter this parser knows.
bool applyFilter(SearchQuery &query, const Token &token)
{
    const qsizetype colon = token.text.indexOf(QLatin1Char(':'));
    if (token.quoted || colon <= 0 || colon == token.text.size() - 1)
        return false;
    const QString name = token.text.left(colon).toLower();
    const QString value = token.text.mid(colon + 1);
    if (name == QLatin1String("is")) {
        const QString lowerValue = value.toLower();
        if (lowerValue == QLatin1String("fav") || lowerValue == QLatin1String("favorite")
            || lowerValue == QLatin1String("favourite")) {
            query.favorite = !token.negated;
            return true;
        }
        const std::optional<ShareItem::ContentKind> kind = kindNamed(lowerValue);
        if (!kind)
            return false;
        addUnique(token.negated ? query.excludedKinds : query.kinds, *kind);
        return true;
    }
    if (name == QLatin1String("site")) {
        const QString site = normalizedSite(value);
        if (site.isEmpty())
            return false;
        addUnique(token.negated ? query.excludedSites : query.sites, site);
        return true;
    }
    if (name == QLatin1String("before") || name == QLatin1String("after")) {
        const QDate day = QDate::fromString(value, Qt::ISODate);
        if (!day.isValid() || value.size() != 10)
            return false;
        // Not before D is from D on; not after D is before D.
        const bool isBefore = (name == QLatin1String("before")) != token.negated;
        if (isBefore && (!query.before.isValid() || day < query.before))
            query.before = day;
        if (!isBefore && (!query.after.isValid() || day > query.after))
            query.after = day;
        return true;
    }
    return false;
}

} // namespace

SearchQuery SearchQuery::parse(const QString &text)
{
    SearchQuery query;
    for (const Token &token : tokenize(text)) {
        if (applyFilter(query, token))
            continue;
        addUnique(token.negated ? query.excludedTerms : query.terms, token.text);
    }
    return query;
}

QString SearchQuery::withFilter(const QString &text, const QString &word)
{
    const QString trimmed = text.trimmed();
    if (word.endsWith(QLatin1Char(':')) || word == QLatin1String("-")) {
        if (trimmed.endsWith(word, Qt::CaseInsensitive))
            return text;
        return trimmed.isEmpty() ? word : trimmed + QLatin1Char(' ') + word;
    }
    const qsizetype colon = word.indexOf(QLatin1Char(':'));
    const QString prefix = word.left(colon + 1).toLower();
    const bool isDateWord = prefix == QLatin1String("after:") || prefix == QLatin1String("before:");
    QStringList words = trimmed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const qsizetype before = words.size();
    words.removeIf([&word](const QString &existing) { return existing.compare(word, Qt::CaseInsensitive) == 0; });
    if (words.size() != before)
        return words.join(QLatin1Char(' '));
    if (isDateWord)
        words.removeIf([&prefix](const QString &existing) { return existing.startsWith(prefix, Qt::CaseInsensitive); });
    words.append(word);
    return words.join(QLatin1Char(' '));
}

bool SearchQuery::isEmpty() const
{
    return *this == SearchQuery();
}

QStringList SearchQuery::highlightTerms() const
{
    QStringList sorted = terms;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString &left, const QString &right) { return left.size() > right.size(); });
    return sorted;
}
