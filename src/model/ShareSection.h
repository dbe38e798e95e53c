#pragma once

#include <QList>
#include <QtGlobal>
#include <QString>

class ShareItem;

// One heading of a list and its items. A day section's id equals its title; the favourites
// section's id is "Favorites". The items are records of the main context, referenced, never
// copied. A list of search results holds the store rows of its items instead (`rowIds`), so
// an item is read only once it is shown; a section holds one or the other.
struct ShareSection {
    QString id;
    QString title;
    QList<ShareItem *> shares;
    QList<qint64> rowIds;

    friend bool operator==(const ShareSection &, const ShareSection &) = default;
};
