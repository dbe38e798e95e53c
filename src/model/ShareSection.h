#pragma once

#include <QList>
#include <QString>

class ShareItem;

// One heading of a list and its items, newest first. A day section's id equals its title;
// the favourites section's id is "Favorites". The items are records of the main context,
// referenced, never copied.
struct ShareSection {
    QString id;
    QString title;
    QList<ShareItem *> shares;

    friend bool operator==(const ShareSection &, const ShareSection &) = default;
};
