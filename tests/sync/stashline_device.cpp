// One "device" for the two-device scenarios: the app's composition without screens (normal
// run: on-disk store in STASHLINE_GROUP_DIR, the cloud engine on STASHLINE_CLOUD_URL, the push
// channel), driven by one command per line on standard input. Every command answers with one
// line: "ok", a JSON dump, or "error <text>".
//
//   add TITLE | addimage TITLE FILE | edit TITLE NEWTITLE | favorite TITLE | delete TITLE
//   addmany COUNT PREFIX (one save, one upload) | upload | retry | download | state | dump | quit
//   ready: "yes" once the push channel follows the change feed and the subscription is saved,
//          so a change written elsewhere from then on reaches this device as a push
#include "app/StashlineApp.h"
#include "app/StashlineAppDelegate.h"
#include "Services/CloudContainerAdapter.h"
#include "Services/CloudKitSyncManager.h"
#include "model/ShareListViewModel.h"
#include "platform/MainQueue.h"
#include "platform/PersistentContainer.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/PushChannel.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

void answer(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QList<ShareItem *> allItems(ManagedObjectContext &context)
{
    QList<ShareItem *> items;
    for (ManagedObject *object : context.execute(ShareItem::fetchRequest()).objects)
        items.append(static_cast<ShareItem *>(object));
    return items;
}

ShareItem *findLive(ShareListViewModel &model, const QString &title)
{
    for (ShareItem *item : model.shares()) {
        if (item->title() == title)
            return item;
    }
    return nullptr;
}

QByteArray dump(ManagedObjectContext &context)
{
    QJsonArray items;
    for (ShareItem *item : allItems(context)) {
        QJsonObject object{{QStringLiteral("title"), item->title()},
                           {QStringLiteral("uuid"), item->uuid().toString(QUuid::WithoutBraces)},
                           {QStringLiteral("status"), item->syncStatusValue()},
                           {QStringLiteral("favorite"), item->isFavorite()},
                           {QStringLiteral("marked"), item->isMarkedForDeletion()}};
        if (!item->imageUUID().isNull()) {
            QFile file(ImageManager::shared().imageFileURL(item->imageUUID()));
            if (file.open(QIODevice::ReadOnly))
                object.insert(QStringLiteral("imageSha256"),
                              QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()));
        }
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
    bool feedOpen = false;
    bool subscribed = false;
    CloudContainer &cloud = CloudContainerAdapter::shared().container();
    if (PushChannel *channel = cloud.pushChannel())
        QObject::connect(channel, &PushChannel::feedOpened, &application, [&feedOpen] { feedOpen = true; },
                         Qt::QueuedConnection);
    cloud.privateCloudDatabase().saveSubscription(
        CloudSubscription(CloudKitSyncManager::subscriptionID, QStringLiteral("ShareItem"), 7),
        [&subscribed](const std::optional<CloudError> &error) {
            const bool saved = !error;
            MainQueue::async([&subscribed, saved] { subscribed = saved; });
        });
    StashlineAppDelegate delegate;
    delegate.applicationDidFinishLaunching(QGuiApplication::arguments());

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[4096];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, count);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            const QString command = line.section(QLatin1Char(' '), 0, 0);
            const QString title = line.section(QLatin1Char(' '), 1, 1);
            const QString argument = line.section(QLatin1Char(' '), 2);
            ShareItem *item = title.isEmpty() ? nullptr : findLive(model, title);
            if (command == QLatin1String("add")) {
                model.addShare(title, QStringLiteral("content of ") + title, QStringLiteral("text"), {}, false);
            } else if (command == QLatin1String("addimage")) {
                const auto uuid = ImageManager::shared().saveImage(ImageManager::decodeImageFile(argument));
                if (!uuid) {
                    answer("error picture");
                    continue;
                }
                model.addShare(title, QString(), QStringLiteral("image"), *uuid, false);
            } else if (command == QLatin1String("edit") || command == QLatin1String("favorite")
                       || command == QLatin1String("delete")) {
                if (!item) {
                    answer("error no item " + title.toUtf8());
                    continue;
                }
                if (command == QLatin1String("edit"))
                    model.updateShare(item, argument, item->content(), item->contentType(), item->imageUUID(),
                                      item->isFavorite());
                else if (command == QLatin1String("favorite"))
                    model.toggleFavorite(item);
                else
                    model.deleteShare(item);
            } else if (command == QLatin1String("addmany")) {
                const int total = title.toInt();
                for (int index = 0; index < total; ++index) {
                    ShareItem *share = ShareItem::insert(context);
                    share->setTitle(argument + QString::number(index));
                    share->setContent(QStringLiteral("bulk"));
                }
                if (context.save()) {
                    answer("error save");
                    continue;
                }
                CloudKitSyncManager::shared().uploadPendingItems();
            } else if (command == QLatin1String("upload")) {
                CloudKitSyncManager::shared().uploadPendingItems();
            } else if (command == QLatin1String("ready")) {
                answer(feedOpen && subscribed ? "yes" : "no");
                continue;
            } else if (command == QLatin1String("state")) {
                answer(QJsonDocument(QJsonObject{{QStringLiteral("error"), model.lastCloudSyncErrorMessage()},
                                                 {QStringLiteral("syncing"), model.isSyncingFromCloud()}})
                           .toJson(QJsonDocument::Compact));
                continue;
            } else if (command == QLatin1String("retry")) {
                for (ShareItem *share : model.shares()) {
                    if (share->syncStatus() == ShareItem::SyncStatus::failed)
                        model.retryShare(share);
                }
            } else if (command == QLatin1String("download")) {
                model.syncFromCloud();
            } else if (command == QLatin1String("dump")) {
                answer(dump(context));
                continue;
            } else if (command == QLatin1String("quit")) {
                QCoreApplication::quit();
            } else {
                answer("error unknown command");
                continue;
            }
            answer("ok");
        }
    });
    return application.exec();
}
