#include "ShareSectionListModel.h"

#include "store/ShareItem.h"

ShareSectionListModel::ShareSectionListModel(QObject *parent) : QAbstractListModel(parent) {}

std::vector<ShareSectionListModel::Row> ShareSectionListModel::flatten(const QList<ShareSection> &sections)
{
    std::size_t total = 0;
    for (const ShareSection &section : sections)
        total += 1 + std::size_t(section.shares.size());
    std::vector<Row> rows;
    rows.reserve(total);
    for (const ShareSection &section : sections) {
        rows.push_back(Row{nullptr, section.id, section.title});
        for (ShareItem *item : section.shares)
            rows.push_back(Row{item, section.id, section.title});
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
    return m_rows[std::size_t(row)].item;
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
    case Qt::DisplayRole:
        return row.item ? row.item->title() : row.sectionTitle;
    case IsHeaderRole:
        return row.item == nullptr;
    case SectionIdRole:
        return row.sectionId;
    case SectionTitleRole:
        return row.sectionTitle;
    case ItemRole:
        return QVariant::fromValue<QObject *>(row.item);
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
