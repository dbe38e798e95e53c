#include "ShareSectionListModel.h"

#include "store/ShareItem.h"

ShareSectionListModel::ShareSectionListModel(QObject *parent) : QAbstractListModel(parent) {}

std::vector<ShareSectionListModel::Row> ShareSectionListModel::flatten(const QList<ShareSection> &sections)
{
    std::size_t total = 0;
    for (const ShareSection &section : sections)
        total += 1 + std::size_t(section.shares.size() + section.rowIds.size());
    std::vector<Row> rows;
    rows.reserve(total);
    for (const ShareSection &section : sections) {
        rows.push_back(Row{nullptr, 0, section.id, section.title});
        for (ShareItem *item : section.shares)
            rows.push_back(Row{item, 0, section.id, section.title});
        for (qint64 rowId : section.rowIds)
            rows.push_back(Row{nullptr, rowId, section.id, section.title});
    }
    return rows;
}

void ShareSectionListModel::setSections(const QList<ShareSection> &sections)
{
    m_sections = sections;
    std::vector<Row> rows = flatten(sections);

    const std::size_t oldCount = m_rows.size();
    const std::size_t newCount = rows.size();
    std::size_t prefix = 0;
    while (prefix < oldCount && prefix < newCount && m_rows[prefix] == rows[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < oldCount - prefix && suffix < newCount - prefix
           && m_rows[oldCount - 1 - suffix] == rows[newCount - 1 - suffix])
        ++suffix;

    const std::size_t removed = oldCount - prefix - suffix;
    const std::size_t inserted = newCount - prefix - suffix;
    if (removed == 0 && inserted == 0)
        return;

    if (removed > 0) {
        beginRemoveRows(QModelIndex(), int(prefix), int(prefix + removed - 1));
        m_rows.erase(m_rows.begin() + qsizetype(prefix), m_rows.begin() + qsizetype(prefix + removed));
        endRemoveRows();
    }
    if (inserted > 0) {
        beginInsertRows(QModelIndex(), int(prefix), int(prefix + inserted - 1));
        m_rows.insert(m_rows.begin() + qsizetype(prefix), std::make_move_iterator(rows.begin() + qsizetype(prefix)),
                      std::make_move_iterator(rows.begin() + qsizetype(prefix + inserted)));
        endInsertRows();
    }
    emit countChanged();
}

ShareItem *ShareSectionListModel::itemAt(int row) const
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return nullptr;
    const Row &entry = m_rows[std::size_t(row)];
    if (!entry.item && entry.rowId != 0 && m_resolver)
        entry.item = m_resolver(entry.rowId);
    return entry.item;
}

bool ShareSectionListModel::isHeaderRow(int row) const
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return false;
    const Row &entry = m_rows[std::size_t(row)];
    return entry.item == nullptr && entry.rowId == 0;
}

bool ShareSectionListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_canFetchMore && m_fetchMoreHandler;
}

void ShareSectionListModel::fetchMore(const QModelIndex &parent)
{
    if (canFetchMore(parent)) {
        m_canFetchMore = false; // until the next page says whether another follows
        m_fetchMoreHandler();
    }
}

int ShareSectionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ShareSectionListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: {
        const ShareItem *item = itemAt(index.row());
        return item ? item->title() : row.sectionTitle;
    }
    case IsHeaderRole:
        return row.item == nullptr && row.rowId == 0;
    case SectionIdRole:
        return row.sectionId;
    case SectionTitleRole:
        return row.sectionTitle;
    case ItemRole:
        return QVariant::fromValue<QObject *>(itemAt(index.row()));
    default:
        return {};
    }
}

QHash<int, QByteArray> ShareSectionListModel::roleNames() const
{
    return {
        {Qt::DisplayRole, "display"},
        {IsHeaderRole, "isHeader"},
        {SectionIdRole, "sectionId"},
        {SectionTitleRole, "sectionTitle"},
        {ItemRole, "item"},
    };
}
