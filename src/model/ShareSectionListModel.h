#pragma once

#include "ShareSection.h"

#include <QAbstractListModel>

#include <functional>
#include <vector>

// A list of sections flattened for a virtualized list view: each section is one header row
// followed by one row per item. Rows carry the item as an object, so a delegate binds to the
// item's own properties and redraws when the sync engine changes them. A section of row ids
// (search results) gives its rows' objects through the resolver, when a row is first read.
//
// A list that shows part of a longer group says so with setCanFetchMore; a view that scrolls
// to its end then calls fetchMore, which hands over to the fetch-more handler.
//
// setSections replaces the content with the smallest single change it can find (rows kept at
// both ends, the middle removed and inserted), so an add, edit or delete touches only the rows
// it concerns and a reload that changed nothing emits no row signals. Main thread only.
class ShareSectionListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(int sectionCount READ sectionCount NOTIFY countChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY countChanged)

public:
    enum Role {
        IsHeaderRole = Qt::UserRole + 1, // bool: a section header row
        SectionIdRole,                   // QString: the id of the row's section
        SectionTitleRole,                // QString: the title of the row's section
        ItemRole,                        // ShareItem* as QObject*: null for a header row
    };
    Q_ENUM(Role)

    explicit ShareSectionListModel(QObject *parent = nullptr);

    void setSections(const QList<ShareSection> &sections);
    // Gives the object of a row id; null when the row is gone.
    void setResolver(std::function<ShareItem *(qint64 rowId)> resolver) { m_resolver = std::move(resolver); }
    void setFetchMoreHandler(std::function<void()> handler) { m_fetchMoreHandler = std::move(handler); }
    void setCanFetchMore(bool canFetchMore) { m_canFetchMore = canFetchMore; }
    const QList<ShareSection> &sections() const { return m_sections; }
    int sectionCount() const { return int(m_sections.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // The item of `row`; null for a header row, a row out of range or a row whose item is gone.
    ShareItem *itemAt(int row) const;
    // Whether `row` is a section header (false out of range).
    Q_INVOKABLE bool isHeaderRow(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    // Qt::DisplayRole is the section title for a header and the item's title for an item.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    struct Row {
        mutable ShareItem *item = nullptr; // null for a header, and for a row id not read yet
        qint64 rowId = 0;                  // the store row of a search result
        QString sectionId;
        QString sectionTitle;
        // A row id is the row's identity; the object read for it is not.
        friend bool operator==(const Row &left, const Row &right)
        {
            return (left.rowId != 0 || right.rowId != 0 ? left.rowId == right.rowId : left.item == right.item)
                && left.sectionId == right.sectionId && left.sectionTitle == right.sectionTitle;
        }
    };
    static std::vector<Row> flatten(const QList<ShareSection> &sections);

    QList<ShareSection> m_sections;
    std::vector<Row> m_rows;
    std::function<ShareItem *(qint64)> m_resolver;
    std::function<void()> m_fetchMoreHandler;
    bool m_canFetchMore = false;
};
