#include "LinkFinder.h"

#include <QRegularExpression>
#include <QSet>

namespace LinkFinder {
namespace {

// Top-level domains accepted for bare host names. Absolute addresses accept any host.
const QSet<QString> &knownTopLevelDomains()
{
    static const QSet<QString> domains = [] {
        const char *const list[] = {
            "com", "org", "net", "edu", "gov", "mil", "int", "info", "biz", "name", "pro", "io",
            "dev", "app", "ai", "co", "me", "tv", "cc", "ly", "gl", "gg", "fm", "to", "sh", "so",
            "xyz", "site", "online", "store", "tech", "blog", "news", "page", "cloud", "design",
            "art", "link", "live", "media", "shop", "wiki", "zone", "space", "top", "club", "eu",
            "uk", "us", "ca", "au", "nz", "de", "fr", "es", "it", "nl", "be", "ch", "at", "se",
            "no", "dk", "fi", "is", "ie", "pt", "pl", "cz", "sk", "hu", "ro", "bg", "gr", "tr",
            "ru", "ua", "by", "lt", "lv", "ee", "si", "hr", "rs", "jp", "cn", "tw", "hk", "mo",
            "kr", "in", "sg", "my", "th", "vn", "id", "ph", "br", "ar", "mx", "cl", "pe", "za",
            "eg", "il", "ae", "sa", "ir", "pk", "ng", "ke",
        };
        QSet<QString> set;
        for (const char *domain : list)
            set.insert(QString::fromLatin1(domain));
        return set;
    }();
    return domains;
}

const QRegularExpression &linkPattern()
{
    // Group 1: an absolute web address. Group 2: a bare host name with an optional port and path.
    static const QRegularExpression pattern(
        QStringLiteral(R"((?:(?<![A-Za-z0-9+.\-])((?:https?|ftp)://[^\s<>"{}|\\^`]+))"
                       R"(|(?<![\w@.\-/])((?:[\p{L}\p{N}](?:[\p{L}\p{N}\-]*[\p{L}\p{N}])?\.)+([\p{L}]{2,63})\b(?::\d{1,5})?(?:[/?#][^\s<>"{}|\\^`]*)?)))"),
        QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Drops trailing punctuation that ends a sentence rather than the link, and a closing bracket
// that has no opening partner inside the link.
qsizetype trimmedLength(QStringView link)
{
    qsizetype length = link.size();
    while (length > 0) {
        const QChar last = link[length - 1];
        if (QStringLiteral(".,;:!?'\"").contains(last)) {
            --length;
            continue;
        }
        if (last == QLatin1Char(')') || last == QLatin1Char(']')) {
            const QChar open = last == QLatin1Char(')') ? QLatin1Char('(') : QLatin1Char('[');
            const QStringView body = link.first(length);
            if (body.count(open) < body.count(last)) {
                --length;
                continue;
            }
        }
        break;
    }
    return length;
}

} // namespace

std::optional<Match> firstMatch(const QString &text)
{
    auto iterator = linkPattern().globalMatch(text);
    while (iterator.hasNext()) {
        const QRegularExpressionMatch match = iterator.next();
        const bool absolute = match.capturedLength(1) > 0;
        if (!absolute && !knownTopLevelDomains().contains(match.captured(3).toLower()))
            continue;
        const qsizetype start = match.capturedStart(0);
        const qsizetype length = trimmedLength(QStringView(text).sliced(start, match.capturedLength(0)));
        const QString found = text.sliced(start, length);
        QUrl url(absolute ? found : QStringLiteral("http://") + found, QUrl::TolerantMode);
        if (!url.isValid() || url.host().isEmpty())
            continue;
        return Match{url, start, length};
    }
    return std::nullopt;
}

std::optional<QUrl> parseUrl(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar character : text) {
        if (character.isSpace() || character.category() == QChar::Other_Control
            || QStringLiteral("<>\"{}|\\^`").contains(character))
            return std::nullopt;
    }
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

std::optional<QUrl> link(const QString &text)
{
    std::optional<QUrl> url = parseUrl(text);
    if (!url || url->scheme().isEmpty())
        return std::nullopt;
    return url;
}

} // namespace LinkFinder
