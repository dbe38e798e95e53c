#include "ItemListing.h"

#include "model/ShareListing.h"
#include "store/SearchQuery.h"
#include "store/ShareItem.h"
#include "store/ShareItemSearch.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QString statusName(const ShareItem &item)
{
    return ShareItem::syncStatusText(item.syncStatus().value_or(ShareItem::SyncStatus::pending));
}

QString summaryLine(int index, const ShareItem &item)
{
    QString text = item.title();
    const QString content = item.contentKind() == ShareItem::ContentKind::url ? item.linkURL().toString() : item.content();
    if (!content.isEmpty())
        text += text.isEmpty() ? content : QStringLiteral(" — ") + content;
    text = text.simplified();
    if (text.size() > 100)
        text = text.left(text.at(98).isHighSurrogate() ? 98 : 99) + QStringLiteral("…");
    return QStringLiteral("%1 %2 %3 %4 %5\n")
        .arg(index, 4)
        .arg(item.isFavorite() ? QStringLiteral("★") : QStringLiteral(" "))
        .arg(item.contentKindName(), -5)
        .arg(statusName(item), -7)
        .arg(text);
}

QString jsonObject(const ShareListing::Entry &entry)
{
    const ShareItem &item = entry.item;
    QJsonObject object{
        {QStringLiteral("index"), entry.number},
        {QStringLiteral("uuid"), item.uuid().toString(QUuid::WithoutBraces)},
        {QStringLiteral("title"), item.title()},
        {QStringLiteral("content"), item.content()},
        {QStringLiteral("kind"), item.contentKindName()},
        {QStringLiteral("favorite"), item.isFavorite()},
        {QStringLiteral("created"), item.createdAt().toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("syncStatus"), statusName(item)},
        {QStringLiteral("group"), entry.group},
        {QStringLiteral("section"), entry.section},
    };
    if (item.isTrashed())
        object.insert(QStringLiteral("trashed"), item.trashedAt().toUTC().toString(Qt::ISODateWithMs));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

bool isInScope(const QString &group, StashRequest::Scope scope)
{
    switch (scope) {
    case StashRequest::Scope::all:
        return true;
    case StashRequest::Scope::favorites:
        return group == QLatin1String("favorites");
    case StashRequest::Scope::history:
        return group == QLatin1String("history");
    case StashRequest::Scope::trash:
        return group == QLatin1String("trash");
    }
    return true;
}

// The printed list, written section by section. With ranks, a section's entries wait until the
// section is complete and are then written best match first.
class Printer
{
public:
    Printer(bool asJson, const QHash<qint64, double> *ranks) : m_asJson(asJson), m_ranks(ranks) {}

    void add(const ShareListing::Entry &entry)
    {
        if (entry.section != m_section || entry.group != m_group) {
            flush();
            m_group = entry.group;
            m_section = entry.section;
            m_isSectionShown = false;
        }
        QString text = m_asJson ? jsonObject(entry) : summaryLine(entry.number, entry.item);
        if (m_ranks)
            m_pending.append({m_ranks->value(entry.item.storeRowId()), std::move(text)});
        else
            write(text);
    }

    QString finish()
    {
        flush();
        if (m_asJson)
            return m_count == 0 ? QStringLiteral("[]\n") : m_text + QStringLiteral("\n]\n");
        return m_text;
    }
    int count() const { return m_count; }

private:
    // Writes the section's waiting lines, best match first.
    void flush()
    {
        std::stable_sort(m_pending.begin(), m_pending.end(),
                         [](const Line &left, const Line &right) { return left.rank < right.rank; });
        for (const Line &line : std::as_const(m_pending))
            write(line.text);
        m_pending.clear();
    }

    void write(const QString &text)
    {
        if (m_asJson) {
            m_text += m_count == 0 ? QStringLiteral("[\n  ") : QStringLiteral(",\n  ");
        } else if (!m_isSectionShown) {
            if (m_count > 0)
                m_text += QLatin1Char('\n');
            m_text += m_section + QLatin1Char('\n');
            m_isSectionShown = true;
        }
        m_text += text;
        ++m_count;
    }

    struct Line {
        double rank;
        QString text;
    };
    bool m_asJson;
    const QHash<qint64, double> *m_ranks;
    QString m_group;
    QString m_section;
    bool m_isSectionShown = false;
    QList<Line> m_pending;
    QString m_text;
    int m_count = 0;
};

} // namespace

ItemListing::ItemListing(ManagedObjectContext &context, const Calendar &calendar, const QDateTime &now)
    : m_context(context), m_calendar(calendar), m_now(now)
{
}

StashReply ItemListing::list(const StashRequest &request) const
{
    QHash<qint64, double> ranks;
    const bool isSearch = !request.search.isEmpty();
    if (isSearch) {
        SearchQuery query = SearchQuery::parse(request.search);
        query.inTrash = request.scope == StashRequest::Scope::trash;
        const ShareItemSearch::Result found = ShareItemSearch::run(m_context, query, m_calendar.timeZone(), m_now);
        if (found.error)
            return StashReply::failed(found.error->description);
        ranks.reserve(found.hits.size());
        for (const ShareItemSearch::Hit &hit : found.hits)
            ranks.insert(hit.rowId, hit.rank);
    }
    Printer printer(request.asJson, isSearch ? &ranks : nullptr);
    const auto visit = [&](const ShareListing::Entry &entry) {
        if (isInScope(entry.group, request.scope) && (!isSearch || ranks.contains(entry.item.storeRowId())))
            printer.add(entry);
        return true;
    };
    const std::optional<StoreError> error = request.scope == StashRequest::Scope::trash
        ? ShareListing::forEachTrashed(m_context, visit)
        : ShareListing::forEach(m_context, m_calendar, m_now, visit);
    if (error)
        return StashReply::failed(error->description);
    const QString output = printer.finish();
    if (isSearch && printer.count() == 0)
        return StashReply::failed(qtTrId("share.search.noResults %1").arg(request.search.trimmed()));
    return StashReply::done(output);
}

ShareItem *ItemListing::item(int number, int *count) const
{
    if (ShareItem *found = ShareListing::item(m_context, m_calendar, m_now, number))
        return found;
    *count = 0;
    ShareListing::forEach(m_context, m_calendar, m_now, [count](const ShareListing::Entry &) {
        ++*count;
        return true;
    });
    return nullptr;
}

ShareItem *ItemListing::trashedItem(int number, int *count) const
{
    ShareItem *found = nullptr;
    *count = 0;
    ShareListing::forEachTrashed(m_context, [&](const ShareListing::Entry &entry) {
        ++*count;
        if (entry.number == number)
            found = entry.heldObject;
        return true;
    });
    return found;
}
