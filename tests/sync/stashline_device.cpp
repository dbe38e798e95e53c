// One "device" for the two-device scenarios: the app's composition without screens, driven by
// one command a line on standard input, each answered by one line: "ok", JSON or "error <text>".
//   add TITLE | addimage TITLE FILE | edit TITLE NEWTITLE | favorite TITLE | delete TITLE (to the
//     trash) | purge TITLE (removed for good, as Delete Now)
//   rename UUID NEWTITLE | star UUID | trash UUID | restore UUID: the same changes by uuid,
//     answered "ok", the time the change was stamped with (milliseconds since the epoch) and
//     "trashed" or "listed"
//   addmany COUNT PREFIX (one save, one upload) | upload | retry | download | dump | quit
//   idle: "yes" when no sync pass runs or waits and nothing is unsaved
//   synced: the number of synced items | has TITLE: "yes" when a synced item has that title
//     (cheap checks to poll, where dump reads every picture)
//   stats: JSON with the pushes received, the download passes started and the most upload
//     passes at once
//   state: "banner" and the sync error the list shows, if any
//   ready: "yes" once the push channel follows the change feed and the subscription is saved
//   encrypt PASSPHRASE | unlock PASSPHRASE: as the account page does, answered once done: "ok",
//     or "error" and the message
//   publishweb: puts the web companion on the account's server; "ok" and the page's address
//   database: the name of the database the account names now (as `account status` shows it)
#include "app/StashlineApp.h"
#include "app/StashlineAppDelegate.h"
#include "Services/AccountManager.h"
#include "Services/CloudContainerAdapter.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/EncryptionManager.h"
#include "model/ShareListViewModel.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "platform/PersistentContainer.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/PushChannel.h"
#include "platform/cloud/WebAppPublisher.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTextStream>

#include <unistd.h>

namespace {

QByteArray dump(ManagedObjectContext &context)
{
    QJsonArray items;
    for (ManagedObject *stored : context.execute(ShareItem::fetchRequest()).objects) {
        auto *item = static_cast<ShareItem *>(stored);
        QJsonObject object{{"title", item->title()}, {"uuid", item->uuid().toString(QUuid::WithoutBraces)},
                           {"status", item->syncStatusValue()}, {"favorite", item->isFavorite()},
                           {"deleted", item->isMarkedForDeletion()}, {"trashed", item->isTrashed()}};
        if (QFile file(ImageManager::shared().imageFileURL(item->imageUUID()));
            !item->imageUUID().isNull() && file.open(QIODevice::ReadOnly))
            object.insert("imageSha256", QString::fromLatin1(QCryptographicHash::hash(file.readAll(),
                                                                                      QCryptographicHash::Sha256).toHex()));
        items.append(object);
    }
    return QJsonDocument(items).toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QGuiApplication::setOrganizationDomain(QStringLiteral("quellmar.com"));
    QGuiApplication::setApplicationName(QStringLiteral("Stashline"));

    StashlineApp app(QGuiApplication::arguments(), QProcessEnvironment::systemEnvironment());
    ManagedObjectContext &context = app.container().viewContext();
    ShareListViewModel &model = app.viewModel();
    model.loadShares();
    bool feedOpen = false, subscribed = false;
    CloudContainer &cloud = CloudContainerAdapter::shared().container();
    if (PushChannel *channel = cloud.pushChannel())
        QObject::connect(channel, &PushChannel::feedOpened, &application, [&feedOpen] { feedOpen = true; },
                         Qt::QueuedConnection);
    cloud.privateCloudDatabase().saveSubscription(
        CloudSubscription(CloudKitSyncManager::subscriptionID, QStringLiteral("ShareItem"), 7),
        [&subscribed](const std::optional<CloudError> &error) {
            MainQueue::async([&subscribed, saved = !error] { subscribed = saved; });
        });
    StashlineAppDelegate delegate;
    delegate.followAccount(AccountManager::shared());
    delegate.applicationDidFinishLaunching(QGuiApplication::arguments());
    CloudKitSyncManager &engine = CloudKitSyncManager::shared();
    int downloadsStarted = 0, uploadsRunning = 0, mostUploadsRunning = 0, pushes = 0;
    if (PushChannel *channel = cloud.pushChannel())
        QObject::connect(channel, &PushChannel::remoteNotificationReceived, &application, [&pushes] { ++pushes; });
    QObject observer;
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.addObserver(CloudSyncNotification::didStart, nullptr, &observer, [&](const Notification &) { ++downloadsStarted; });
    center.addObserver(CloudUploadNotification::didStart, nullptr, &observer,
                       [&](const Notification &) { mostUploadsRunning = std::max(mostUploadsRunning, ++uploadsRunning); });
    center.addObserver(CloudUploadNotification::didFinish, nullptr, &observer, [&](const Notification &) { --uploadsRunning; });

    const auto execute = [&](const QString &line) -> QByteArray {
        const QString command = line.section(QLatin1Char(' '), 0, 0);
        const QString title = line.section(QLatin1Char(' '), 1, 1);
        const QString argument = line.section(QLatin1Char(' '), 2);
        FetchRequest liveRequest = ShareItem::fetchRequest();
        liveRequest.predicate = ShareItem::notMarkedForDeletionPredicate();
        QList<ShareItem *> live;
        for (ManagedObject *object : model.context().execute(liveRequest).objects)
            live.append(static_cast<ShareItem *>(object));
        const auto found = std::find_if(live.begin(), live.end(), [&](ShareItem *share) { return share->title() == title; });
        ShareItem *item = found == live.end() ? nullptr : *found;
        const bool byUuid = command == u"rename" || command == u"star" || command == u"trash" || command == u"restore";
        if (byUuid) {
            const QUuid uuid(title);
            const auto withUuid = std::find_if(live.begin(), live.end(), [&](ShareItem *share) { return share->uuid() == uuid; });
            item = withUuid == live.end() ? nullptr : *withUuid;
        }
        if ((byUuid || command == u"edit" || command == u"favorite" || command == u"delete" || command == u"purge") && !item)
            return "error no item " + title.toUtf8();
        if (byUuid) {
            if (command == u"rename")
                model.updateShare(item, argument, item->content(), item->contentType(), item->imageUUID(), item->isFavorite());
            else if (command == u"star")
                model.toggleFavorite(item);
            else if (command == u"trash")
                model.deleteShare(item);
            else
                model.restoreShare(item);
            return "ok " + QByteArray::number(item->modifiedAt().toMSecsSinceEpoch()) + (item->isTrashed() ? " trashed" : " listed");
        }
        if (command == u"encrypt" || command == u"unlock") {
            EncryptionManager &encryption = EncryptionManager::shared();
            QEventLoop loop;
            QByteArray answer;
            QObject::connect(&encryption, &EncryptionManager::finished, &loop, [&](bool ok, const QString &message) {
                answer = ok ? QByteArray("ok") : "error " + message.toUtf8();
                loop.quit();
            });
            if (command == u"encrypt")
                encryption.encrypt(title);
            else
                encryption.unlock(title);
            if (answer.isEmpty()) // not refused at once
                loop.exec();
            return answer;
        }
        if (command == u"add") {
            model.addShare(title, QStringLiteral("content of ") + title, QStringLiteral("text"), {}, false);
        } else if (command == u"addimage") {
            const auto uuid = ImageManager::shared().saveImage(ImageManager::decodeImageFile(argument));
            if (!uuid)
                return "error picture";
            model.addShare(title, QString(), QStringLiteral("image"), *uuid, false);
        } else if (command == u"edit") {
            model.updateShare(item, argument, item->content(), item->contentType(), item->imageUUID(), item->isFavorite());
        } else if (command == u"favorite") {
            model.toggleFavorite(item);
        } else if (command == u"delete") {
            model.deleteShare(item);
        } else if (command == u"purge") {
            model.deleteShareNow(item);
        } else if (command == u"addmany") {
            for (int index = 0; index < title.toInt(); ++index) {
                ShareItem *share = ShareItem::insert(context);
                share->setTitle(argument + QString::number(index));
                share->setContent(QStringLiteral("bulk"));
            }
            if (context.save())
                return "error save";
            engine.uploadPendingItems();
        } else if (command == u"upload") {
            engine.uploadPendingItems();
        } else if (command == u"retry") {
            for (ShareItem *share : live) {
                if (share->syncStatus() == ShareItem::SyncStatus::failed)
                    model.retryShare(share);
            }
        } else if (command == u"download") {
            model.syncFromCloud();
        } else if (command == u"synced" || command == u"has") {
            const QList<ManagedObject *> stored = context.execute(ShareItem::fetchRequest()).objects;
            const auto isSynced = [&](ManagedObject *object) {
                const auto *share = static_cast<ShareItem *>(object);
                return share->syncStatus() == ShareItem::SyncStatus::synced && (command == u"synced" || share->title() == title);
            };
            const qsizetype count = std::count_if(stored.begin(), stored.end(), isSynced);
            return command == u"synced" ? QByteArray::number(count) : QByteArray(count > 0 ? "yes" : "no");
        } else if (command == u"count") {
            return QByteArray::number(context.execute(ShareItem::fetchRequest()).objects.size());
        } else if (command == u"idle") {
            return engine.isIdle() && !context.hasChanges() ? "yes" : "no";
        } else if (command == u"stats") {
            return QJsonDocument(QJsonObject{{"downloadsStarted", downloadsStarted}, {"mostUploadsAtOnce", mostUploadsRunning},
                                             {"pushes", pushes}})
                .toJson(QJsonDocument::Compact);
        } else if (command == u"ready") {
            return feedOpen && subscribed ? "yes" : "no";
        } else if (command == u"state") {
            return "banner " + model.lastCloudSyncErrorMessage().toUtf8(); // the error the list shows
        } else if (command == u"publishweb") {
            WebAppPublisher publisher;
            QEventLoop loop;
            QByteArray answer;
            QObject::connect(&publisher, &WebAppPublisher::finished, &loop, [&](const QUrl &address, const QString &problem) {
                answer = problem.isEmpty() ? "ok " + address.toEncoded() : "error " + problem.toUtf8();
                loop.quit();
            });
            publisher.publish(CloudAccount::load());
            loop.exec();
            return answer;
        } else if (command == u"database") {
            return AccountManager::shared().databaseName().toUtf8();
        } else if (command == u"dump") {
            return dump(context);
        } else if (command == u"quit") {
            QCoreApplication::quit();
        } else {
            return "error unknown command";
        }
        return "ok";
    };

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream out(stdout);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[4096];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0)
            return QCoreApplication::quit();
        pending.append(buffer, count);
        for (qsizetype end = 0; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            out << execute(QString::fromUtf8(pending.left(end))) << Qt::endl;
    });
    return application.exec();
}
