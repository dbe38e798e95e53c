#include "ItemListing.h"

#include "model/ShareListViewModel.h"
#include "store/ShareItem.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

} // namespace

ItemListing::ItemListing(const ShareListViewModel &model)
{
    const std::pair<QString, const QList<ShareSection> *> groups[] = {
        {QStringLiteral("recent"), &model.recentSections()},
        {QStringLiteral("favorites"), &model.favoriteSections()},
        {QStringLiteral("history"), &model.historySections()},
    };
    for (const auto &[group, sections] : groups) {
        for (const ShareSection &section : *sections) {
            for (ShareItem *item : section.shares)
                m_entries.append({group, section.title, item});
        }
    }
}

ShareItem *ItemListing::item(int number) const
{
    return number >= 1 && number <= count() ? m_entries.at(number - 1).item : nullptr;
}

bool ItemListing::isInScope(const Entry &entry, StashRequest::Scope scope)
{
    switch (scope) {
    case StashRequest::Scope::all:
        return true;
    case StashRequest::Scope::favorites:
        return entry.group == QLatin1String("favorites");
    case StashRequest::Scope::history:
        return entry.group == QLatin1String("history");
    }
    return true;
}

QString ItemListing::text(StashRequest::Scope scope) const
{
    QString text;
    QString lastHeading;
    for (int index = 0; index < count(); ++index) {
        const Entry &entry = m_entries.at(index);
        if (!isInScope(entry, scope))
            continue;
        const QString heading = entry.group + QLatin1Char('/') + entry.section;
        if (heading != lastHeading) {
            text += (lastHeading.isEmpty() ? QString() : QStringLiteral("\n")) + entry.section + QLatin1Char('\n');
            lastHeading = heading;
        }
        text += summaryLine(index + 1, *entry.item);
    }
    return text;
}

QString ItemListing::json(StashRequest::Scope scope) const
{
    QJsonArray array;
    for (int index = 0; index < count(); ++index) {
        const Entry &entry = m_entries.at(index);
        if (!isInScope(entry, scope))
            continue;
        const ShareItem &item = *entry.item;
        array.append(QJsonObject{
            {QStringLiteral("index"), index + 1},
            {QStringLiteral("uuid"), item.uuid().toString(QUuid::WithoutBraces)},
            {QStringLiteral("title"), item.title()},
            {QStringLiteral("content"), item.content()},
            {QStringLiteral("kind"), item.contentKindName()},
            {QStringLiteral("favorite"), item.isFavorite()},
            {QStringLiteral("created"), item.createdAt().toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("syncStatus"), statusName(item)},
            {QStringLiteral("group"), entry.group},
            {QStringLiteral("section"), entry.section},
        });
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}
