#include "ShareItemSearch.h"

#include "platform/SqliteDatabase.h"

#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace ShareItemSearch {
namespace {

constexpr const char *indexTable = "ShareItemSearchIndex";
constexpr const char *rankFunction = "stashline_rank";
constexpr const char *rankExpression = "stashline_rank(ShareItemSearchIndex)";
constexpr const char *containsFunction = "stashline_contains";

// SQL for the indexed host of a row (`row` is "new.", "old." or a table alias with its dot):
// for a link item whose content is an absolute URL, the URL's host in lower case between the
// marks "." and "$", so "site:example.org" can ask for ".example.org$" and find example.org and
// www.example.org but not myexample.org; empty for anything else. Written in SQL alone, so the
// value a trigger removes a row with is always the value the row was indexed with.
QString hostExpression(const QString &row)
{
    const QString content = row + QStringLiteral("\"content\"");
    const QString rest = QStringLiteral("substr(%1, instr(%1, '://') + 3)").arg(content);
    const QString authority =
        QStringLiteral("substr(%1, 1, min(instr(%1 || '/', '/'), instr(%1 || '?', '?'), instr(%1 || '#', '#')) - 1)")
            .arg(rest);
    const QString hostAndPort = QStringLiteral("substr(%1, instr(%1, '@') + 1)").arg(authority);
    const QString host = QStringLiteral("substr(%1, 1, instr(%1 || ':', ':') - 1)").arg(hostAndPort);
    return QStringLiteral("CASE WHEN %1\"contentType\" = 'url' AND instr(%2, '://') > 0 "
                          "THEN '.' || lower(%3) || '$' ELSE '' END")
        .arg(row, content, host);
}

QString indexValues(const QString &row)
{
    return QStringLiteral("%1\"id\", %1\"title\", %1\"content\", %2").arg(row, hostExpression(row));
}

std::optional<QString> buildIndex(SqliteDatabase &database)
{
    const QString insertNew = QStringLiteral("INSERT INTO %1 (rowid, title, content, host) VALUES (%2);")
                                  .arg(QLatin1String(indexTable), indexValues(QStringLiteral("new.")));
    const QString removeOld =
        QStringLiteral("INSERT INTO %1 (%1, rowid, title, content, host) VALUES ('delete', %2);")
            .arg(QLatin1String(indexTable), indexValues(QStringLiteral("old.")));
    const QString sql =
        QStringLiteral(
            "CREATE VIRTUAL TABLE %1 USING fts5(title, content, host, content='', tokenize='trigram');"
            "INSERT INTO %1 (rowid, title, content, host) SELECT %2 FROM ShareItem;"
            "INSERT INTO %1 (%1) VALUES ('optimize');"
            "CREATE TRIGGER ShareItemSearchIndex_insert AFTER INSERT ON ShareItem BEGIN %3 END;"
            "CREATE TRIGGER ShareItemSearchIndex_delete AFTER DELETE ON ShareItem BEGIN %4 END;"
            "CREATE TRIGGER ShareItemSearchIndex_update AFTER UPDATE OF title, content, contentType ON ShareItem "
            "BEGIN %4 %3 END;"
            // The list's groups (recent, older favourites, history) read pages of this index;
            // searches for a kind read the second one alone.
            "CREATE INDEX ShareItem_by_group ON ShareItem (isMarkedForDeletion, isFavorite, createdAt);"
            "CREATE INDEX ShareItem_by_kind ON ShareItem (isMarkedForDeletion, contentType, createdAt, isFavorite);")
            .arg(QLatin1String(indexTable), indexValues(QString()), insertNew, removeOld);
    return database.execute(sql.toUtf8().constData());
}

// Indexes that answer a search's filters without reading the items: the lists' groups and the
// kinds with the trash time beside them, and one by id that the index's hits are looked up in.
std::optional<QString> buildFilterIndexes(SqliteDatabase &database)
{
    return database.execute(
        "DROP INDEX IF EXISTS ShareItem_by_group; DROP INDEX IF EXISTS ShareItem_by_kind;"
        "CREATE INDEX ShareItem_by_group ON ShareItem (isMarkedForDeletion, isFavorite, createdAt, trashedAt);"
        "CREATE INDEX ShareItem_by_kind ON ShareItem (isMarkedForDeletion, contentType, createdAt, isFavorite, trashedAt);"
        "CREATE INDEX ShareItem_by_id ON ShareItem (id, isMarkedForDeletion, trashedAt, contentType, isFavorite, createdAt);");
}

// stashline_contains(text, needle): whether `text` holds `needle` (already case-folded),
// ignoring case, for the short words of scripts with case beyond ASCII.
void containsFolded(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const auto *needle = reinterpret_cast<const char *>(sqlite3_value_text(arguments[1]));
    const bool holds = text && needle
        && QString::fromUtf8(text, sqlite3_value_bytes(arguments[0]))
               .toCaseFolded()
               .contains(QString::fromUtf8(needle, sqlite3_value_bytes(arguments[1])));
    sqlite3_result_int(context, holds ? 1 : 0);
}

// stashline_rank(index): minus the weighted number of columns each searched word was found in,
// so lower ranks come first: a word in the title counts 10, in the link's host 4, in the content 1,
// and an item with every word in its title comes before one with them only in its text. It reads
// only which columns hold a word, which the match has already found; bm25 would also read each
// hit's column lengths and count every occurrence, several times the cost of the match itself
// when a common word finds thousands of items.
void rankByColumns(const Fts5ExtensionApi *api, Fts5Context *fts, sqlite3_context *context, int, sqlite3_value **)
{
    static constexpr double columnWeights[] = {10.0, 1.0, 4.0}; // title, content, host
    double score = 0;
    const int phrases = api->xPhraseCount(fts);
    for (int phrase = 0; phrase < phrases; ++phrase) {
        Fts5PhraseIter iterator;
        int column = -1;
        if (api->xPhraseFirstColumn(fts, phrase, &iterator, &column) != SQLITE_OK)
            continue;
        for (; column >= 0; api->xPhraseNextColumn(fts, &iterator, &column))
            score += columnWeights[std::min<std::size_t>(std::size_t(column), std::size(columnWeights) - 1)];
    }
    sqlite3_result_double(context, -score);
}

// A phrase for an FTS5 query: the text in double quotes, its own quotes doubled.
QString phrase(const QString &text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString hostPhrase(const QString &site)
{
    return QStringLiteral("host : ") + phrase(QLatin1Char('.') + site + QLatin1Char('$'));
}

// Trigrams find a word of three characters or more.
bool isIndexable(const QString &term)
{
    return term.toUcs4().size() >= 3;
}

QString anyOf(const QStringList &expressions)
{
    if (expressions.size() == 1)
        return expressions.constFirst();
    return QLatin1Char('(') + expressions.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString kindCondition(ShareItem::ContentKind kind)
{
    switch (kind) {
    case ShareItem::ContentKind::url:
        return QStringLiteral("i.contentType = 'url'");
    case ShareItem::ContentKind::image:
        return QStringLiteral("i.contentType = 'image'");
    case ShareItem::ContentKind::text:
        break;
    }
    // An absent or unknown kind reads as a note.
    return QStringLiteral("(i.contentType IS NULL OR i.contentType NOT IN ('url', 'image'))");
}

// A piece of SQL with the arguments of its "?" placeholders, in order.
struct Clause {
    QString sql;
    QVariantList arguments;
};

// SQL that tells whether `column` holds `term`, ignoring case, by a scan. SQLite's own LIKE
// ignores the case of ASCII letters and instr() is exact, which is enough for ASCII words and
// for words of scripts without case (Chinese, Japanese, Korean); other words fold the text.
Clause containsTest(const QString &column, const QString &term)
{
    bool isAscii = true;
    for (const QChar character : term)
        isAscii = isAscii && character.unicode() < 0x80;
    if (isAscii) {
        QString pattern = term;
        pattern.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        return {column + QStringLiteral(" LIKE ? ESCAPE '\\'"), {QLatin1Char('%') + pattern + QLatin1Char('%')}};
    }
    if (term.toCaseFolded() == term && term.toUpper() == term)
        return {QStringLiteral("instr(%1, ?) > 0").arg(column), {term}};
    return {QStringLiteral("%1(%2, ?)").arg(QLatin1String(containsFunction), column), {term.toCaseFolded()}};
}

Clause containsClause(const QString &term)
{
    const Clause inTitle = containsTest(QStringLiteral("i.title"), term);
    const Clause inContent = containsTest(QStringLiteral("i.content"), term);
    return {QStringLiteral("(%1 OR %2)").arg(inTitle.sql, inContent.sql), inTitle.arguments + inContent.arguments};
}

Clause compile(const SearchQuery &query, const QTimeZone &timeZone, const QDateTime &now)
{
    QStringList matched;  // FTS5 expressions every hit satisfies
    QStringList excluded; // FTS5 expressions no hit satisfies
    QStringList shortTerms;
    QList<Clause> conditions{{QStringLiteral("i.isMarkedForDeletion = 0"), {}},
                             {query.inTrash ? QStringLiteral("i.trashedAt IS NOT NULL") : QStringLiteral("i.trashedAt IS NULL"), {}}};

    for (const QString &term : query.terms) {
        if (isIndexable(term))
            matched.append(phrase(term));
        else
            shortTerms.append(term);
    }
    if (!query.sites.isEmpty()) {
        QStringList sites;
        for (const QString &site : query.sites)
            sites.append(hostPhrase(site));
        matched.append(anyOf(sites));
    }
    for (const QString &term : query.excludedTerms) {
        if (isIndexable(term)) {
            excluded.append(phrase(term));
        } else {
            Clause clause = containsClause(term);
            conditions.append({QStringLiteral("NOT ") + clause.sql, clause.arguments});
        }
    }
    for (const QString &site : query.excludedSites)
        excluded.append(hostPhrase(site));
    for (const QString &term : std::as_const(shortTerms))
        conditions.append(containsClause(term));
    if (query.favorite)
        conditions.append({QStringLiteral("i.isFavorite = %1").arg(*query.favorite ? 1 : 0), {}});
    if (!query.kinds.isEmpty()) {
        QStringList kinds;
        for (ShareItem::ContentKind kind : query.kinds)
            kinds.append(kindCondition(kind));
        conditions.append({anyOf(kinds), {}});
    }
    for (ShareItem::ContentKind kind : query.excludedKinds)
        conditions.append({QStringLiteral("NOT ") + kindCondition(kind), {}});
    // An item without a creation date counts as created now. Written so that the index of
    // creation dates can serve the range.
    if (query.before.isValid()) {
        const QDateTime end(query.before, QTime(0, 0), timeZone);
        conditions.append({now < end ? QStringLiteral("(i.createdAt < ? OR i.createdAt IS NULL)") : QStringLiteral("i.createdAt < ?"),
                           {end.toMSecsSinceEpoch()}});
    }
    if (query.after.isValid()) {
        const QDateTime start(query.after, QTime(0, 0), timeZone);
        conditions.append({now >= start ? QStringLiteral("(i.createdAt >= ? OR i.createdAt IS NULL)") : QStringLiteral("i.createdAt >= ?"),
                           {start.toMSecsSinceEpoch()}});
    }

    Clause rank{QStringLiteral("0.0"), {}};
    QString from = QStringLiteral("ShareItem i");
    if (!matched.isEmpty()) {
        QString expression = matched.join(QStringLiteral(" AND "));
        if (!excluded.isEmpty())
            expression = QStringLiteral("(%1) NOT %2").arg(expression, anyOf(excluded));
        // The index leads: the planner would otherwise walk the items and ask the index once
        // for every one of them. Each hit's filters are read from the narrow index by id, a
        // fraction of the pages the items themselves fill.
        from = QStringLiteral("%1 CROSS JOIN ShareItem i INDEXED BY ShareItem_by_id ON i.id = %1.rowid")
                   .arg(QLatin1String(indexTable));
        conditions.prepend({QStringLiteral("%1 MATCH ?").arg(QLatin1String(indexTable)), {expression}});
        // Filters alone (a site) leave the results in date order: nothing to rank.
        if (!query.terms.isEmpty())
            rank.sql = QLatin1String(rankExpression);
    } else {
        if (!excluded.isEmpty())
            conditions.append({QStringLiteral("i.id NOT IN (SELECT rowid FROM %1 WHERE %1 MATCH ?)")
                                   .arg(QLatin1String(indexTable)),
                               {anyOf(excluded)}});
        if (!shortTerms.isEmpty()) {
            // Without an index to rank by, an item whose title holds the words comes first.
            QStringList inTitle;
            for (const QString &term : std::as_const(shortTerms)) {
                const Clause test = containsTest(QStringLiteral("i.title"), term);
                inTitle.append(QStringLiteral("(%1)").arg(test.sql));
                rank.arguments += test.arguments;
            }
            rank.sql = QStringLiteral("-(%1)").arg(inTitle.join(QStringLiteral(" + ")));
            // Nearly every item is live: unless a filter narrows them, reading the items in order
            // beats looking each one up from the index of groups.
            if (!query.favorite && query.kinds.isEmpty() && !query.before.isValid() && !query.after.isValid())
                conditions.first().sql.prepend(QLatin1Char('+'));
        }
    }

    Clause statement{QStringLiteral("SELECT i.id, i.createdAt, i.isFavorite, %1 FROM %2 WHERE ").arg(rank.sql, from),
                     rank.arguments};
    QStringList where;
    for (const Clause &condition : std::as_const(conditions)) {
        where.append(condition.sql);
        statement.arguments += condition.arguments;
    }
    statement.sql += where.join(QStringLiteral(" AND "));
    return statement;
}

void bind(SqliteStatement &statement, const QVariantList &arguments)
{
    for (int index = 0; index < arguments.size(); ++index) {
        const QVariant &value = arguments.at(index);
        if (value.typeId() == QMetaType::QString)
            statement.bindText(index + 1, value.toString());
        else
            statement.bindInt64(index + 1, value.toLongLong());
    }
}

} // namespace

Result run(ManagedObjectContext &context, const SearchQuery &query, const QTimeZone &timeZone, const QDateTime &now)
{
    Result result;
    SqliteDatabase &database = context.database();
    const Clause compiled = compile(query, timeZone, now);
    const QByteArray sql = compiled.sql.toUtf8();
    SqliteStatement statement(database, sql.constData());
    if (!statement.isValid()) {
        result.error = StoreError{QStringLiteral("The store could not search: %1").arg(database.lastError())};
        return result;
    }
    bind(statement, compiled.arguments);
    while (statement.step()) {
        Hit hit;
        hit.rowId = statement.columnInt64(0);
        if (!statement.isNull(1))
            hit.createdAt = QDateTime::fromMSecsSinceEpoch(statement.columnInt64(1), Qt::UTC);
        hit.isFavorite = statement.columnInt64(2) != 0;
        hit.rank = statement.columnDouble(3);
        result.hits.append(hit);
    }
    if (statement.hasError()) {
        result.hits.clear();
        result.error = StoreError{QStringLiteral("The store could not search: %1").arg(database.lastError())};
    }
    return result;
}

std::optional<QString> installFunctions(SqliteDatabase &database)
{
    sqlite3 *handle = database.handle();
    if (sqlite3_create_function_v2(handle, containsFunction, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   containsFolded, nullptr, nullptr, nullptr)
        != SQLITE_OK)
        return database.lastError();
    // FTS5 hands out its interface for auxiliary functions through a pointer-passing query.
    fts5_api *api = nullptr;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(handle, "SELECT fts5(?1)", -1, &statement, nullptr) != SQLITE_OK)
        return database.lastError();
    sqlite3_bind_pointer(statement, 1, &api, "fts5_api_ptr", nullptr);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (!api || api->iVersion < 2)
        return QStringLiteral("this SQLite has no full-text search");
    if (api->xCreateFunction(api, rankFunction, nullptr, rankByColumns, nullptr) != SQLITE_OK)
        return database.lastError();
    return std::nullopt;
}

StoreMigration indexMigration(int version)
{
    return StoreMigration{version, buildIndex};
}

StoreMigration filterIndexMigration(int version)
{
    return StoreMigration{version, buildFilterIndexes};
}

} // namespace ShareItemSearch
