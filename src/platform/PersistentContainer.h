#pragma once

#include "ManagedObjectContext.h"
#include "SqliteDatabase.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

// Where and how a container keeps its store: an SQLite file, or memory.
struct PersistentStoreDescription {
    enum class Type { SQLite, InMemory };
    Type type = Type::SQLite;
    QString path;        // the store file, for SQLite
    QVariantMap options; // kept for the store's callers; history tracking needs no reader here
};

// A container of one store over a model, with its main context.
class PersistentContainer
{
public:
    PersistentContainer(const QString &name, const ManagedObjectModel &model);
    ~PersistentContainer();

    const QString &name() const { return m_name; }
    void setPersistentStoreDescription(const PersistentStoreDescription &description) { m_description = description; }
    const PersistentStoreDescription &persistentStoreDescription() const { return m_description; }

    // Opens the store and calls `completion` once, before returning, with an error or none.
    // An existing file is read-only until it is known to be a store of a version this build can
    // write, so a file that is not a database, holds other data or was written by a newer model
    // version is an error and stays byte for byte as it was, its -wal and -shm files included.
    // A new or empty file gets the model's tables; an older layout is migrated, or, when that
    // fails, left as it was and reported. Main thread.
    void loadPersistentStores(const std::function<void(const std::optional<StoreError> &)> &completion);

    // The main context; valid after a successful load.
    ManagedObjectContext &viewContext() { return *m_viewContext; }

private:
    std::optional<QString> openStore();
    // Why a store of this version with these tables cannot be used; none when it can.
    std::optional<QString> checkLayout(qint64 storedVersion, const QStringList &tables, const QString &where) const;
    // Brings a store of an older layout up to the model's, in one transaction.
    std::optional<QString> migrate(qint64 storedVersion);
    // Runs the model's migrations after `storedVersion`, in order, inside the open transaction.
    std::optional<QString> runMigrations(qint64 storedVersion);

    QString m_name;
    const ManagedObjectModel &m_model;
    PersistentStoreDescription m_description;
    SqliteDatabase m_database;
    std::unique_ptr<ManagedObjectContext> m_viewContext;
};
