#include "PersistenceController.h"

#include "LegacyContentMigration.h"
#include "ShareItem.h"
#include "ShareItemSearch.h"
#include "platform/FatalError.h"
#include "platform/GroupDirectory.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <mutex>

namespace PersistenceController {
namespace {

std::unique_ptr<PersistentContainer> load(const PersistentStoreDescription &description,
                                          std::optional<StoreError> *error)
{
    auto container = std::make_unique<PersistentContainer>(QLatin1String(containerName), makeModel());
    container->setPersistentStoreDescription(description);
    std::optional<StoreError> loadError;
    container->loadPersistentStores([&loadError](const std::optional<StoreError> &result) { loadError = result; });
    if (!loadError) {
        if (auto failure = ShareItemSearch::installFunctions(container->viewContext().database()))
            loadError = StoreError{QStringLiteral("The store could not be prepared for searching: %1").arg(*failure)};
    }
    if (error)
        *error = loadError;
    if (loadError)
        return nullptr;
    return container;
}

PersistentContainer *loadOrStop(std::unique_ptr<PersistentContainer> container, const std::optional<StoreError> &error)
{
    if (!container)
        fatalError(QStringLiteral("Unresolved error ") + (error ? error->description : QString()));
    return container.release(); // process-wide, kept until exit
}

} // namespace

const ManagedObjectModel &makeModel()
{
    // Layout 2 added the sync bookkeeping (change count, modification time, cloud revision,
    // picture digest); layout 3 fills in the content of items from before items had content and
    // adds the search index and the index the list's groups are read by; layout 4 adds the time
    // an item went to the trash; layout 5 indexes the filters of a search.
    static const ManagedObjectModel model{{ShareItem::entityDescription()},
                                          {QStringLiteral("1.5")},
                                          5,
                                          {legacyContentMigration(3), ShareItemSearch::indexMigration(3),
                                           ShareItemSearch::filterIndexMigration(5)}};
    return model;
}

QString storeDirectoryURL()
{
    if (const auto group = GroupDirectory::path())
        return *group;
    return privateTemporaryDirectory();
}

QString privateTemporaryDirectory()
{
    // "stashline-<uid>" in the temporary directory, so the store is found again at the next
    // start. Another user may have made that name first (a directory, a link), so it is used
    // only when it is a real directory of ours, and then readable by us alone; otherwise a fresh
    // private directory of this process stands in.
    const QString stable = QDir::tempPath() + QStringLiteral("/stashline-") + QString::number(::getuid());
    const QByteArray encoded = QFile::encodeName(stable);
    ::mkdir(encoded.constData(), 0700);
    struct stat status {};
    if (::lstat(encoded.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid()
        && ((status.st_mode & 0077) == 0 || ::chmod(encoded.constData(), 0700) == 0))
        return stable;

    static const QString fresh = [] {
        QByteArray pattern = QFile::encodeName(QDir::tempPath() + QStringLiteral("/stashline-XXXXXX"));
        return ::mkdtemp(pattern.data()) ? QFile::decodeName(pattern) : QString();
    }();
    if (fresh.isEmpty())
        fatalError(QStringLiteral("Unresolved error No private directory for the store could be made in %1.")
                       .arg(QDir::tempPath()));
    return fresh;
}

std::unique_ptr<PersistentContainer> openOnDiskContainer(const QString &path, std::optional<StoreError> *error)
{
    PersistentStoreDescription description;
    description.type = PersistentStoreDescription::Type::SQLite;
    description.path = path;
    description.options = {{QStringLiteral("NSPersistentHistoryTrackingKey"), true},
                           {QStringLiteral("NSPersistentStoreRemoteChangeNotificationPostOptionKey"), true}};
    auto container = load(description, error);
    if (container) {
        ManagedObjectContext &context = container->viewContext();
        context.setAutomaticallyMergesChangesFromParent(true);
        context.setMergePolicy(ManagedObjectContext::MergePolicy::PropertyObjectTrump);
        context.setTransactionAuthor(QLatin1String(transactionAuthor));
    }
    return container;
}

std::unique_ptr<PersistentContainer> openInMemoryContainer(std::optional<StoreError> *error)
{
    PersistentStoreDescription description;
    description.type = PersistentStoreDescription::Type::InMemory;
    return load(description, error);
}

PersistentContainer &sharedContainer()
{
    static PersistentContainer *container = [] {
        std::optional<StoreError> error;
        const QString path = storeDirectoryURL() + QLatin1Char('/') + QLatin1String(storeFileName);
        return loadOrStop(openOnDiskContainer(path, &error), error);
    }();
    return *container;
}

PersistentContainer &previewContainer()
{
    static PersistentContainer *container = [] {
        std::optional<StoreError> error;
        return loadOrStop(openInMemoryContainer(&error), error);
    }();
    return *container;
}

} // namespace PersistenceController
