#pragma once

#include "FetchRequest.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

class ManagedObject;
class ManagedObjectContext;
class SqliteDatabase;
class SqliteStatement;

enum class AttributeType { UUID, String, Boolean, Integer16, Integer64, Date };

struct AttributeDescription {
    QString name;
    AttributeType type;
    bool isOptional;
};

// One entity of the model: its name, attributes (in column order) and how to make an object.
struct EntityDescription {
    QString name;
    QList<AttributeDescription> attributes;
    QString dateSortAttribute;     // the attribute of the newest-first order
    QStringList indexedAttributes; // looked up by value (an implementation choice, not a constraint)
    std::function<ManagedObject *()> makeObject;
};

// One numbered step of the store layout beyond the entities' columns: tables, indexes and
// triggers of the store's own, and rewrites of existing rows. It runs inside the transaction
// that moves the store to `version`, after the columns of every attribute exist, and returns
// why it failed (the whole move is then rolled back). A new store runs every step, on empty
// tables.
struct StoreMigration {
    int version;
    std::function<std::optional<QString>(SqliteDatabase &)> apply;
};

struct ManagedObjectModel {
    QList<EntityDescription> entities;
    QSet<QString> versionIdentifiers;
    // The store layout this build writes. A store of an older layout is brought up to it when
    // it opens, in one transaction: attributes the older layout lacks are added as columns
    // (absent, or 0 for a non-optional number), then the migrations of the versions after the
    // stored one run in order.
    int schemaVersion = 1;
    QList<StoreMigration> migrations;

    const EntityDescription *entity(const QString &name) const;
};

struct StoreError {
    QString description;
};

// A record of the object store. Subclasses keep their attribute values in plain fields and
// call didChange(attributeIndex) from every setter whose value changed.
class ManagedObject : public QObject
{
    Q_OBJECT
public:
    // A stable identity within the process, assigned when the object enters a context.
    quint64 objectID() const { return m_objectID; }
    // The object's row in the store; 0 until its first save and after its deletion was saved.
    qint64 storeRowId() const { return m_rowId; }
    ManagedObjectContext *managedObjectContext() const { return m_context; }
    const EntityDescription &entity() const { return *m_entity; }
    bool isInserted() const { return m_isInserted; }
    bool isDeleted() const { return m_isDeleted; }
    bool hasChanges() const { return m_changedAttributes != 0 || m_isInserted || m_isDeleted; }

    // Runs once when the object is inserted into a context, before the creator sets anything.
    virtual void awakeFromInsert() {}

    // Column access for the store: read every attribute from a row starting at `firstColumn`
    // (the object is not marked changed); bind one attribute's value as parameter `parameter`;
    // the value of the newest-first date attribute.
    virtual void readRow(const SqliteStatement &row, int firstColumn) = 0;
    virtual void bindAttribute(int attributeIndex, SqliteStatement &statement, int parameter) const = 0;
    virtual QDateTime sortDate() const = 0;

protected:
    void didChange(int attributeIndex);

private:
    friend class ManagedObjectContext;
    ManagedObjectContext *m_context = nullptr;
    const EntityDescription *m_entity = nullptr;
    quint64 m_objectID = 0;
    qint64 m_rowId = 0;              // 0 until the first save
    quint32 m_changedAttributes = 0; // one bit per attribute index
    bool m_isInserted = false;
    bool m_isDeleted = false;
};

// The main context of a container: an identity map over one SQLite database, with change
// tracking and saves in one transaction. Main thread only.
class ManagedObjectContext : public QObject
{
    Q_OBJECT
public:
    enum class MergePolicy { Error, PropertyObjectTrump };

    ManagedObjectContext(const ManagedObjectModel &model, SqliteDatabase &database, QObject *parent = nullptr);
    ~ManagedObjectContext() override;

    // A new object of the entity, owned by the context; awakeFromInsert() has run once.
    ManagedObject *insertNewObject(const QString &entityName);
    template<typename T>
    T *insertNewObject(const QString &entityName) { return static_cast<T *>(insertNewObject(entityName)); }

    // The matching objects of the context, unsaved changes included (inserted objects that
    // match, changed values, deleted objects left out), newest first. An error leaves the
    // context as it was.
    struct FetchResult {
        QList<ManagedObject *> objects;
        std::optional<StoreError> error;
    };
    FetchResult execute(const FetchRequest &request);

    // The object of the stored row `rowId` of the entity: the one the context holds, else one
    // read from the store now (and held from then on). Null when the row is not stored (any
    // more) or its object was deleted in the context. For lists that keep row ids of items
    // they show only when shown.
    ManagedObject *existingObject(const QString &entityName, qint64 rowId);

    // Calls `visit` with each stored row that matches `request` (predicate, order and limit), as
    // a scratch object that the context does not hold and that is valid during the call only,
    // until `visit` returns false. Changes not yet saved are not seen. For reading many rows
    // without keeping them, such as a listing of every item. Returns the error of a failed read.
    std::optional<StoreError> enumerateStoredObjects(const FetchRequest &request,
                                                     const std::function<bool(const ManagedObject &)> &visit);

    // The connection, for store code that reads rows of its own (a search); such reads see the
    // saved state only.
    SqliteDatabase &database() const { return m_database; }

    // Removes the object from the context's results now and from the store at the next save.
    // The object stays valid (and owned by the context) for callers that still hold it.
    void deleteObject(ManagedObject *object);

    bool hasChanges() const;

    // A value the store keeps beside the objects (such as a download checkpoint); null when
    // absent. setMetadata stages the value; the next save writes it in the same transaction as
    // the object changes, so the two are stored together or not at all.
    QString metadata(const QString &key);
    void setMetadata(const QString &key, const QString &value);

    // Writes every change in one transaction, only the changed attributes of each object, so
    // in-memory values win per attribute. On success emits didSave; on failure returns the
    // error, keeps every change in memory and emits nothing.
    std::optional<StoreError> save();

    QString transactionAuthor() const { return m_transactionAuthor; }
    void setTransactionAuthor(const QString &author) { m_transactionAuthor = author; }
    bool automaticallyMergesChangesFromParent() const { return m_automaticallyMerges; }
    void setAutomaticallyMergesChangesFromParent(bool merges) { m_automaticallyMerges = merges; }
    MergePolicy mergePolicy() const { return m_mergePolicy; }
    void setMergePolicy(MergePolicy policy) { m_mergePolicy = policy; }

    const ManagedObjectModel &model() const { return m_model; }

    // Called by ManagedObject when an attribute changed.
    void objectDidChange(ManagedObject *object);

signals:
    // After every successful save; the author is empty when none is set.
    void didSave(const QString &transactionAuthor, const QList<ManagedObject *> &inserted,
                 const QList<ManagedObject *> &updated, const QList<ManagedObject *> &deleted);

private:
    std::optional<QList<qint64>> insertNewRows(QString &error);
    ManagedObject *materialize(const EntityDescription &entity, qint64 rowId, const SqliteStatement &row);
    void adopt(ManagedObject *object, const EntityDescription &entity);
    QString selectSql(const EntityDescription &entity) const;
    // The SELECT of `request` over `entity`, with the given row limit (0: none).
    QString fetchSql(const FetchRequest &request, const EntityDescription &entity, int limit) const;

    const ManagedObjectModel &m_model;
    SqliteDatabase &m_database;
    QHash<qint64, ManagedObject *> m_registered; // by row id
    QList<ManagedObject *> m_inserted;           // in insertion order
    QList<ManagedObject *> m_updated;            // saved objects with changed attributes
    QList<ManagedObject *> m_deleted;            // saved objects deleted since the last save
    QHash<QString, QString> m_pendingMetadata;   // written by the next save
    QString m_transactionAuthor;
    bool m_automaticallyMerges = false;
    MergePolicy m_mergePolicy = MergePolicy::Error;
};
