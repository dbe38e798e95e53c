#pragma once

#include "ShareSection.h"

#include <QAbstractListModel>

#include <vector>

// A list of sections flattened for a virtualized list view: each section is one header row
// followed by one row per item. Rows carry the item as an object, so a delegate binds to the
// item's own properties and redraws when the sync engine changes them.
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
    const QList<ShareSection> &sections() const { return m_sections; }
    int sectionCount() const { return int(m_sections.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // The item of `row`; null for a header row or a row out of range.
    ShareItem *itemAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // Qt::DisplayRole is the section title for a header and the item's title for an item.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    struct Row {
        ShareItem *item = nullptr; // null for a header
        QString sectionId;
        QString sectionTitle;
        friend bool operator==(const Row &, const Row &) = default;
    };
    static std::vector<Row> flatten(const QList<ShareSection> &sections);

    QList<ShareSection> m_sections;
    std::vector<Row> m_rows;
};
