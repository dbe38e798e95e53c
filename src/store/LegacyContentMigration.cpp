#include "LegacyContentMigration.h"

#include "platform/LinkFinder.h"
#include "platform/SqliteDatabase.h"

#include <QList>

namespace {

struct Rewrite {
    qint64 rowId;
    QString title;
    QString content;
    QString contentType;
};

std::optional<QString> fillInContent(SqliteDatabase &database)
{
    QList<Rewrite> rewrites;
    {
        SqliteStatement legacy(database, "SELECT id, title FROM ShareItem WHERE content IS NULL");
        while (legacy.step()) {
            Rewrite rewrite{legacy.columnInt64(0), legacy.columnText(1), QString(), QStringLiteral("text")};
            const QString title = rewrite.title.isNull() ? QString(QLatin1String("")) : rewrite.title;
            const std::optional<LinkFinder::Match> match = LinkFinder::firstMatch(title);
            if (match && match->url.isValid() && !match->url.isEmpty()) {
                rewrite.content = match->url.toString(QUrl::FullyEncoded);
                rewrite.contentType = QStringLiteral("url");
                QString remainder = title;
                remainder.remove(match->start, match->length);
                rewrite.title = remainder.trimmed();
                if (rewrite.title.isEmpty()) {
                    const QString host = match->url.host();
                    rewrite.title = host.isEmpty() ? QString() : QString(host).remove(QStringLiteral("www."));
                }
            }
            rewrites.append(rewrite);
        }
        if (!legacy.isValid() || legacy.hasError())
            return database.lastError();
    }
    SqliteStatement update(database, "UPDATE ShareItem SET title = ?, content = ?, contentType = ? WHERE id = ?");
    for (const Rewrite &rewrite : std::as_const(rewrites)) {
        update.bindText(1, rewrite.title);
        update.bindText(2, rewrite.content);
        update.bindText(3, rewrite.contentType);
        update.bindInt64(4, rewrite.rowId);
        update.step();
        if (!update.isValid() || update.hasError())
            return database.lastError();
        update.reset();
    }
    return std::nullopt;
}

} // namespace

StoreMigration legacyContentMigration(int version)
{
    return StoreMigration{version, fillInContent};
}
