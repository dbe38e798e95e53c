#pragma once

#include "ShareListViewModel.h"

#include <QImage>
#include <QString>
#include <QUuid>

#include <functional>

class ShareItem;

// What the user gives for one item, from the add sheet, the edit page, the command line or a file
// manager, and the one way it is written: title and content are trimmed, the content is
// classified (a link when it is one, else a picture when one is attached, else a note), a new
// picture is stored in the image store, and then the list model adds the item or changes it
// (which saves, queues the upload and reloads). Main thread.
struct ShareInput {
    QString title;
    QString content;
    bool isFavorite = false;
    // The picture: none; the item's own, kept by its identifier (an edit that left it alone); or
    // a new one, which `newPicture` decodes at full size only while it is stored.
    QUuid keptImageUUID;
    std::function<QImage()> newPicture;

    bool hasPicture() const { return !keptImageUUID.isNull() || bool(newPicture); }
    // Add needs trimmed content or a picture; the title plays no part.
    bool canAdd() const;
    // Save (of an edit) needs any of trimmed title, trimmed content or a picture.
    bool canSave() const;

    struct Outcome {
        // The item added or changed; null when nothing was written.
        ShareItem *item = nullptr;
        // Empty when all went well. With an item: the store refused the save, the item is kept in
        // memory and the next save that succeeds writes it. Without one: why nothing was written.
        QString problem;
        bool isSaved() const { return item && problem.isEmpty(); }
    };

    // Adds the input as a new pending item; `reload` as for ShareListViewModel::addShare. Nothing
    // is written when there is nothing to add or a new picture cannot be decoded or stored.
    Outcome addTo(ShareListViewModel &model,
                  ShareListViewModel::Reload reload = ShareListViewModel::Reload::now) const;
    // Writes the input to `item`; nothing changes when there is nothing to save or a new picture
    // cannot be stored.
    Outcome saveTo(ShareListViewModel &model, ShareItem &item) const;

private:
    // `text` without white space and line breaks at both ends; never null, so an item's content
    // is never mistaken for the content of an item written before content existed.
    static QString trimmedText(const QString &text);
    // "url" when the trimmed content is a link (LinkFinder::link), else "image" with a picture,
    // else "text". A link with a picture attached is "url".
    static QString classify(const QString &trimmedContent, bool hasPicture);
    // The picture identifier to write: the kept one, a newly stored one, or none. False (with
    // `problem` set) when a new picture cannot be stored.
    bool storePicture(QUuid *imageUUID, QString *problem) const;
};
