#pragma once

// In-process devices for sync scenarios: each with its own in-memory store, picture folder,
// clock and engine, all on one in-memory cloud, and the states a user would compare.
#include "FakeCloudDatabase.h"
#include "ManualSyncClock.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/ShareItemRecord.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace ScenarioDevices {

using Status = ShareItem::SyncStatus;

// A picture file's bytes as the cloud names them.
inline QString digestOfFile(const QString &path)
{
    return QFile::exists(path) ? CloudAsset::fileDigest(path) : QString();
}

struct Device {
    explicit Device(FakeCloudDatabase &database, const QDateTime &start = QDateTime::currentDateTimeUtc())
        : images(group.path()), store(PersistenceController::openInMemoryContainer(nullptr)), clock(start), cloud(database)
    {
        restart();
    }

    QTemporaryDir group;
    ImageManager images;
    std::unique_ptr<PersistentContainer> store;
    ManualSyncClock clock;
    FakeCloudDatabase &cloud;
    std::unique_ptr<CloudKitSyncManager> engine;

    ManagedObjectContext &context() { return store->viewContext(); }
    void restart() { engine = std::make_unique<CloudKitSyncManager>(cloud, context(), images, QProcessEnvironment(), clock); }

    QList<ShareItem *> items()
    {
        QList<ShareItem *> all;
        for (ManagedObject *object : context().execute(ShareItem::fetchRequest()).objects)
            all.append(static_cast<ShareItem *>(object));
        return all;
    }
    ShareItem *find(const QString &title)
    {
        for (ShareItem *item : items()) {
            if (item->title() == title)
                return item;
        }
        return nullptr;
    }
    // A change made here now, as the list model makes it.
    ShareItem *add(const QString &title, const QImage &picture = {})
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        if (!picture.isNull())
            item->setImageUUID(*images.saveImage(picture));
        item->markLocallyChanged(clock.now());
        return context().save() ? nullptr : item;
    }
    bool edit(ShareItem *item, const QString &title)
    {
        item->setTitle(title);
        item->markLocallyChanged(clock.now());
        return !context().save();
    }
    bool isQuiet() { return engine->isIdle() && cloud.heldCount() == 0 && !context().hasChanges(); }
    // Uploads what waits, then downloads, as a push does, and waits until everything is quiet.
    bool syncOnce()
    {
        engine->handleNotification();
        return QTest::qWaitFor([this] { return isQuiet(); }, 5000);
    }
    // What the user sees: every item's title, favourite, picture and whether it is in the trash, by uuid.
    QMap<QString, QString> localState()
    {
        QMap<QString, QString> state;
        for (ShareItem *item : items()) {
            if (!item->isMarkedForDeletion())
                state.insert(ShareItemRecord::uuidText(item->uuid()),
                             QStringLiteral("%1 | %2 | %3").arg(item->title()).arg(item->isFavorite())
                                     .arg(item->imageUUID().isNull() ? QString() : digestOfFile(images.imageFileURL(item->imageUUID())))
                                 + (item->isTrashed() ? QStringLiteral(" | in the trash") : QString()));
        }
        return state;
    }
};

// What the cloud holds, in the terms of Device::localState.
inline QMap<QString, QString> cloudState(const FakeCloudDatabase &cloud)
{
    QMap<QString, QString> state;
    for (const QString &name : cloud.recordNames()) {
        const auto record = cloud.stored(name);
        if (!record || ShareItemRecord::isNumberOne(*record, QStringLiteral("isDeleted")))
            continue;
        state.insert(record->stringValue(QStringLiteral("uuid")).value_or(name),
                     QStringLiteral("%1 | %2 | %3").arg(record->stringValue(QStringLiteral("title")).value_or(QString()))
                         .arg(ShareItemRecord::isNumberOne(*record, QStringLiteral("isFavorite")))
                         .arg(ShareItemRecord::recordPictureDigest(*record))
                         + (record->timestampValue(QStringLiteral("trashedAt")) ? QStringLiteral(" | in the trash") : QString()));
    }
    return state;
}

inline QImage picture(Qt::GlobalColor color)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline CloudError error(CloudErrorCode code, std::optional<int> retryAfter = std::nullopt)
{
    CloudError made(code, QStringLiteral("error %1").arg(int(code)));
    made.setRetryAfterSeconds(retryAfter);
    return made;
}

} // namespace ScenarioDevices
