#pragma once

#include <QDateTime>
#include <QString>

class CloudAsset;
class ImageManager;
class ManagedObjectContext;
class ShareItem;

// The picture files of the store's items, as sync moves them: a downloaded picture is moved in
// under a new name and the file it replaces is removed; at start-up, files no item names (left by
// a replaced picture or a killed run) and half-done downloads are removed. Main thread.
class PictureFiles
{
public:
    PictureFiles(ManagedObjectContext &context, ImageManager &images);

    // Where downloads land before they are moved in: beside the pictures, so the move is a rename.
    QString incomingDirectory() const;

    // Moves the downloaded `asset` in as `item`'s picture, and removes the picture it replaces.
    // False when the file could not be moved (the image store says why); the item keeps its
    // picture then.
    bool adoptDownloaded(ShareItem &item, const CloudAsset &asset);

    // The file of `item`'s picture; empty when it has none.
    QString fileOf(const ShareItem &item) const;

    // Removes the picture of an item that leaves the store.
    void removePictureOf(const ShareItem &item);

    // Removes picture files no item names, and incoming files, once they are older than a minute
    // at `now` (younger ones may belong to an add or a download being saved). When the store
    // cannot tell which pictures its items hold, nothing is removed.
    void removeUnreferenced(const QDateTime &now);

private:
    ManagedObjectContext &m_context;
    ImageManager &m_images;
};
