#include "ImportedFiles.h"

#include "platform/LinkFinder.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ImportedFiles {
namespace {

// The namespace of the name-based uuids of imported items.
const QUuid importNamespace = QUuid::fromString(QStringLiteral("{6f1d2c3a-8e4b-5a7d-9c0e-2b4f6a8d1e3c}"));

QString decodeEntities(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);"));
    QString decoded;
    qsizetype last = 0;
    QRegularExpressionMatchIterator matches = reference.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        decoded += QStringView(text).mid(last, match.capturedStart() - last);
        const QString name = match.captured(1);
        QString replacement = match.captured(0);
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.at(1).toLower() == QLatin1Char('x') ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t character = code;
                replacement = QString::fromUcs4(&character, 1);
            }
        } else {
            static const QHash<QString, QString> named{
                {QStringLiteral("amp"), QStringLiteral("&")},   {QStringLiteral("lt"), QStringLiteral("<")},
                {QStringLiteral("gt"), QStringLiteral(">")},    {QStringLiteral("quot"), QStringLiteral("\"")},
                {QStringLiteral("apos"), QStringLiteral("'")},  {QStringLiteral("nbsp"), QStringLiteral("\u00A0")},
            };
            replacement = named.value(name.toLower(), replacement);
        }
        decoded += replacement;
        last = match.capturedEnd();
    }
    decoded += QStringView(text).mid(last);
    return decoded;
}

// A tag's attribute value (quoted or not), decoded; empty when absent.
QString attribute(const QString &attributes, const QString &name)
{
    const QRegularExpression pattern(QStringLiteral("(?:^|\\s)%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(attributes);
    if (!match.hasMatch())
        return {};
    for (int group = 1; group <= 3; ++group) {
        if (match.capturedStart(group) >= 0)
            return decodeEntities(match.captured(group));
    }
    return {};
}

QDateTime secondsAttribute(const QString &attributes, const QString &name)
{
    bool ok = false;
    const qint64 seconds = attribute(attributes, name).toLongLong(&ok);
    return ok && seconds > 0 ? QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC) : QDateTime();
}

QString plainText(const QString &html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    return decodeEntities(QString(html).remove(tags)).simplified();
}

} // namespace

bool looksLikeBookmarks(const QString &text)
{
    const QString head = text.left(4096);
    return head.contains(QLatin1String("NETSCAPE-Bookmark-file"), Qt::CaseInsensitive)
        || (head.contains(QLatin1String("<DL"), Qt::CaseInsensitive) && text.contains(QLatin1String("<A "), Qt::CaseInsensitive)
            && head.contains(QLatin1String("<DT"), Qt::CaseInsensitive));
}

QList<ArchivedItem> bookmarks(const QString &html, const QDateTime &now)
{
    // The format nests folders as <DT><H3>name</H3> followed by a <DL> list of their entries; a
    // bookmark is <DT><A HREF=...>title</A>. Tags are read in order, whatever the line breaks.
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z0-9]+)([^>]*)>"));
    QList<ArchivedItem> items;
    QStringList folders;      // the open folders, outermost first
    QString pendingFolder;    // the name of the folder whose list comes next
    QList<bool> listIsFolder; // per open <DL>: whether it opened a folder
    QRegularExpressionMatchIterator tags = tag.globalMatch(html);
    while (tags.hasNext()) {
        const QRegularExpressionMatch match = tags.next();
        const bool isClosing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toUpper();
        if (name == QLatin1String("H3") && !isClosing) {
            const qsizetype end = html.indexOf(QLatin1String("</H3"), match.capturedEnd(), Qt::CaseInsensitive);
            pendingFolder = plainText(html.mid(match.capturedEnd(), end < 0 ? -1 : end - match.capturedEnd()));
        } else if (name == QLatin1String("DL")) {
            if (!isClosing) {
                const bool opensFolder = !pendingFolder.isNull();
                listIsFolder.append(opensFolder);
                if (opensFolder)
                    folders.append(pendingFolder);
                pendingFolder = QString();
            } else if (!listIsFolder.isEmpty()) {
                if (listIsFolder.takeLast() && !folders.isEmpty())
                    folders.removeLast();
            }
        } else if (name == QLatin1String("A") && !isClosing) {
            const QString attributes = match.captured(3);
            const QString href = attribute(attributes, QStringLiteral("HREF")).trimmed();
            const std::optional<QUrl> link = LinkFinder::link(href);
            if (!link || (link->scheme() != QLatin1String("http") && link->scheme() != QLatin1String("https")
                          && link->scheme() != QLatin1String("ftp")))
                continue;
            const qsizetype end = html.indexOf(QLatin1String("</A"), match.capturedEnd(), Qt::CaseInsensitive);
            const QString title = plainText(html.mid(match.capturedEnd(), end < 0 ? -1 : end - match.capturedEnd()));
            ArchivedItem item;
            QStringList path = folders;
            path.append(title.isEmpty() ? href : title);
            item.title = path.join(QStringLiteral(" › "));
            item.content = href;
            item.contentType = QStringLiteral("url");
            const QDateTime added = secondsAttribute(attributes, QStringLiteral("ADD_DATE"));
            const QDateTime changed = secondsAttribute(attributes, QStringLiteral("LAST_MODIFIED"));
            item.createdAt = added.isValid() ? added : now;
            item.modifiedAt = changed.isValid() ? changed : item.createdAt;
            item.uuid = QUuid::createUuidV5(importNamespace, QStringLiteral("bookmark\n%1\n%2").arg(item.title, href));
            items.append(std::move(item));
        }
    }
    return items;
}

ArchivedItem note(const QString &fileName, const QString &text, const QDateTime &modified)
{
    ArchivedItem item;
    const QFileInfo info(fileName);
    const bool isMarkdown = info.suffix().compare(QLatin1String("md"), Qt::CaseInsensitive) == 0
        || info.suffix().compare(QLatin1String("markdown"), Qt::CaseInsensitive) == 0;
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    static const QRegularExpression heading(QStringLiteral("^\\s{0,3}#{1,6}\\s+(.+?)\\s*#*\\s*$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch headingMatch = isMarkdown ? heading.match(text) : QRegularExpressionMatch();
    if (headingMatch.hasMatch())
        item.title = headingMatch.captured(1);
    else if (!firstLine.isEmpty() && firstLine.size() <= 80 && !isMarkdown)
        item.title = firstLine;
    else
        item.title = info.completeBaseName();
    QString content = text;
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    item.content = content.trimmed();
    item.contentType = QStringLiteral("text");
    item.createdAt = modified;
    item.modifiedAt = modified;
    item.uuid = QUuid::createUuidV5(importNamespace, QStringLiteral("note\n%1\n%2").arg(info.fileName(), item.content));
    return item;
}

} // namespace ImportedFiles
