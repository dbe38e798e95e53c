#include "ManagedObjectContext.h"

#include "SqliteDatabase.h"

#include <QAtomicInteger>

#include <algorithm>
#include <map>
#include <memory>

namespace {

quint64 nextObjectID()
{
    static QAtomicInteger<quint64> counter(0);
    return ++counter;
}

// Newest first, absent dates last, like the store's ORDER BY date DESC.
bool newerFirst(const ManagedObject *left, const ManagedObject *right)
{
    const QDateTime leftDate = left->sortDate();
    const QDateTime rightDate = right->sortDate();
    if (leftDate.isValid() != rightDate.isValid())
        return leftDate.isValid();
    return leftDate > rightDate;
}

void bindArgument(SqliteStatement &statement, int parameter, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        statement.bindInt64(parameter, value.toBool() ? 1 : 0);
        break;
    case QMetaType::QString:
        statement.bindText(parameter, value.toString());
        break;
    case QMetaType::QByteArray:
        statement.bindBlob(parameter, value.toByteArray());
        break;
    default:
        statement.bindInt64(parameter, value.toLongLong());
    }
}

} // namespace

const EntityDescription *ManagedObjectModel::entity(const QString &name) const
{
    for (const EntityDescription &description : entities) {
        if (description.name == name)
            return &description;
    }
    return nullptr;
}

void ManagedObject::didChange(int attributeIndex)
{
    m_changedAttributes |= 1u << attributeIndex;
    if (m_context)
        m_context->objectDidChange(this);
}

ManagedObjectContext::ManagedObjectContext(const ManagedObjectModel &model, SqliteDatabase &database,
                                           QObject *parent)
    : QObject(parent), m_model(model), m_database(database)
{
}

ManagedObjectContext::~ManagedObjectContext() = default; // owned objects are QObject children

void ManagedObjectContext::adopt(ManagedObject *object, const EntityDescription &entity)
{
    object->setParent(this);
    object->m_context = this;
    object->m_entity = &entity;
    object->m_objectID = nextObjectID();
}

ManagedObject *ManagedObjectContext::insertNewObject(const QString &entityName)
{
    const EntityDescription *entity = m_model.entity(entityName);
    Q_ASSERT_X(entity, "insertNewObject", "unknown entity");
    ManagedObject *object = entity->makeObject();
    adopt(object, *entity);
    object->m_isInserted = true;
    m_inserted.append(object);
    object->awakeFromInsert();
    return object;
}

void ManagedObjectContext::objectDidChange(ManagedObject *object)
{
    if (!object->m_isInserted && !object->m_isDeleted && !m_updated.contains(object))
        m_updated.append(object);
}

QString ManagedObjectContext::selectSql(const EntityDescription &entity) const
{
    QString sql = QStringLiteral("SELECT id");
    for (const AttributeDescription &attribute : entity.attributes)
        sql += QStringLiteral(", \"%1\"").arg(attribute.name);
    return sql + QStringLiteral(" FROM \"%1\"").arg(entity.name);
}

QString ManagedObjectContext::fetchSql(const FetchRequest &request, const EntityDescription &entity, int limit) const
{
    QString sql = selectSql(entity);
    if (request.predicate)
        sql += QStringLiteral(" WHERE ") + request.predicate->sql;
    if (request.sortByCreatedAtDescending && !entity.dateSortAttribute.isEmpty())
        sql += QStringLiteral(" ORDER BY \"%1\" DESC, id DESC").arg(entity.dateSortAttribute);
    if (limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(limit);
    return sql;
}

ManagedObject *ManagedObjectContext::materialize(const EntityDescription &entity, qint64 rowId,
                                                 const SqliteStatement &row)
{
    ManagedObject *object = entity.makeObject();
    adopt(object, entity);
    object->m_rowId = rowId;
    object->readRow(row, 1);
    m_registered.insert(rowId, object);
    return object;
}

ManagedObjectContext::FetchResult ManagedObjectContext::execute(const FetchRequest &request)
{
    FetchResult result;
    const EntityDescription *entity = m_model.entity(request.entityName);
    if (!entity) {
        result.error = StoreError{QStringLiteral("The store has no entity named “%1”.").arg(request.entityName)};
        return result;
    }

    // Objects whose values in memory differ from the store are matched in memory instead.
    QList<ManagedObject *> changed;
    for (ManagedObject *object : std::as_const(m_inserted)) {
        if (object->m_entity == entity)
            changed.append(object);
    }
    for (ManagedObject *object : std::as_const(m_updated)) {
        if (object->m_entity == entity)
            changed.append(object);
    }
    // Stored rows of objects changed or deleted in memory are skipped below, so a limited
    // fetch reads that many rows more.
    int limit = request.fetchLimit;
    if (limit > 0)
        limit += int(changed.size() + m_deleted.size());

    const QByteArray utf8 = fetchSql(request, *entity, limit).toUtf8();
    SqliteStatement statement(m_database, utf8.constData());
    if (!statement.isValid()) {
        result.error = StoreError{QStringLiteral("The store could not run a fetch: %1").arg(m_database.lastError())};
        return result;
    }
    if (request.predicate) {
        for (int index = 0; index < request.predicate->arguments.size(); ++index)
            bindArgument(statement, index + 1, request.predicate->arguments.at(index));
    }

    QList<ManagedObject *> fetched;
    QList<ManagedObject *> materialized;
    while (statement.step()) {
        const qint64 rowId = statement.columnInt64(0);
        ManagedObject *object = m_registered.value(rowId);
        if (object) {
            if (object->m_changedAttributes != 0 || object->m_isDeleted)
                continue;
        } else {
            object = materialize(*entity, rowId, statement);
            materialized.append(object);
        }
        fetched.append(object);
    }
    if (statement.hasError()) {
        // Leave the context as it was: forget rows read before the failure.
        for (ManagedObject *object : std::as_const(materialized)) {
            m_registered.remove(object->m_rowId);
            delete object;
        }
        result.error = StoreError{QStringLiteral("The store could not be read: %1").arg(m_database.lastError())};
        return result;
    }

    bool addedFromMemory = false;
    for (ManagedObject *object : std::as_const(changed)) {
        if (!request.predicate || request.predicate->matches(*object)) {
            fetched.append(object);
            addedFromMemory = true;
        }
    }
    if (addedFromMemory && request.sortByCreatedAtDescending)
        std::stable_sort(fetched.begin(), fetched.end(), newerFirst);
    if (request.fetchLimit > 0 && fetched.size() > request.fetchLimit)
        fetched.resize(request.fetchLimit);
    result.objects = std::move(fetched);
    return result;
}

ManagedObject *ManagedObjectContext::existingObject(const QString &entityName, qint64 rowId)
{
    if (ManagedObject *object = m_registered.value(rowId))
        return object->m_isDeleted ? nullptr : object;
    const EntityDescription *entity = m_model.entity(entityName);
    if (!entity || rowId <= 0)
        return nullptr;
    const QByteArray sql = (selectSql(*entity) + QStringLiteral(" WHERE id = ?")).toUtf8();
    SqliteStatement statement(m_database, sql.constData());
    statement.bindInt64(1, rowId);
    if (!statement.step())
        return nullptr;
    return materialize(*entity, rowId, statement);
}

std::optional<StoreError> ManagedObjectContext::enumerateStoredObjects(
    const FetchRequest &request, const std::function<bool(const ManagedObject &)> &visit)
{
    const EntityDescription *entity = m_model.entity(request.entityName);
    if (!entity)
        return StoreError{QStringLiteral("The store has no entity named “%1”.").arg(request.entityName)};
    const QByteArray sql = fetchSql(request, *entity, request.fetchLimit).toUtf8();
    SqliteStatement statement(m_database, sql.constData());
    if (!statement.isValid())
        return StoreError{QStringLiteral("The store could not run a fetch: %1").arg(m_database.lastError())};
    if (request.predicate) {
        for (int index = 0; index < request.predicate->arguments.size(); ++index)
            bindArgument(statement, index + 1, request.predicate->arguments.at(index));
    }
    const std::unique_ptr<ManagedObject> scratch(entity->makeObject());
    scratch->m_entity = entity;
    while (statement.step()) {
        scratch->m_rowId = statement.columnInt64(0);
        scratch->readRow(statement, 1);
        if (!visit(*scratch))
            return std::nullopt;
    }
    if (statement.hasError())
        return StoreError{QStringLiteral("The store could not be read: %1").arg(m_database.lastError())};
    return std::nullopt;
}

void ManagedObjectContext::deleteObject(ManagedObject *object)
{
    if (!object || object->m_context != this || object->m_isDeleted)
        return;
    object->m_isDeleted = true;
    m_updated.removeOne(object);
    if (object->m_isInserted) {
        // Never saved: it simply leaves the context.
        object->m_isInserted = false;
        m_inserted.removeOne(object);
        return;
    }
    m_deleted.append(object);
}

bool ManagedObjectContext::hasChanges() const
{
    return !m_inserted.isEmpty() || !m_updated.isEmpty() || !m_deleted.isEmpty() || !m_pendingMetadata.isEmpty();
}

QString ManagedObjectContext::metadata(const QString &key)
{
    if (const auto pending = m_pendingMetadata.constFind(key); pending != m_pendingMetadata.cend())
        return *pending;
    SqliteStatement statement(m_database, "SELECT value FROM StoreMetadata WHERE key = ?");
    statement.bindText(1, key);
    return statement.step() ? statement.columnText(0) : QString();
}

void ManagedObjectContext::setMetadata(const QString &key, const QString &value)
{
    m_pendingMetadata.insert(key, value);
}

// Writes the inserted objects, many rows to a statement, with row ids given here (one more than
// the largest of the table, as SQLite would pick them; the save's write lock keeps them free).
// A statement is also the unit in which the search index takes new rows in, so a save of
// thousands of items costs a few index writes, not one for each item. The ids in the order of
// m_inserted; nothing when a write fails, and `error` then says why.
std::optional<QList<qint64>> ManagedObjectContext::insertNewRows(QString &error)
{
    auto failed = [&] {
        error = m_database.lastError();
        return std::nullopt;
    };
    QList<qint64> rowIds(m_inserted.size());
    std::map<const EntityDescription *, QList<int>> positionsByEntity;
    for (int position = 0; position < m_inserted.size(); ++position)
        positionsByEntity[m_inserted.at(position)->m_entity].append(position);

    for (const auto &[entity, positions] : positionsByEntity) {
        const QByteArray largestSql = QStringLiteral("SELECT coalesce(max(id), 0) FROM \"%1\"").arg(entity->name).toUtf8();
        SqliteStatement largest(m_database, largestSql.constData());
        if (!largest.isValid() || !largest.step())
            return failed();
        qint64 nextRowId = largest.columnInt64(0) + 1;

        QString columns = QStringLiteral("id");
        for (const AttributeDescription &attribute : entity->attributes)
            columns += QStringLiteral(", \"") + attribute.name + QLatin1Char('"');
        const int parametersPerRow = int(entity->attributes.size()) + 1;
        const QString oneRow =
            QLatin1Char('(') + QStringList(parametersPerRow, QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
        // SQLite takes at most 32766 parameters to a statement.
        const int rowsPerStatement = std::clamp(32766 / parametersPerRow, 1, 500);

        std::unique_ptr<SqliteStatement> statement;
        int statementRows = 0;
        for (int first = 0; first < positions.size(); first += rowsPerStatement) {
            const int rows = std::min(rowsPerStatement, int(positions.size()) - first);
            if (rows != statementRows) {
                const QByteArray sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES %3")
                                           .arg(entity->name, columns, QStringList(rows, oneRow).join(QLatin1Char(',')))
                                           .toUtf8();
                statement = std::make_unique<SqliteStatement>(m_database, sql.constData());
                statementRows = rows;
            }
            if (!statement->isValid())
                return failed();
            int parameter = 1;
            for (int row = first; row < first + rows; ++row) {
                ManagedObject *object = m_inserted.at(positions.at(row));
                rowIds[positions.at(row)] = nextRowId;
                statement->bindInt64(parameter++, nextRowId++);
                for (int index = 0; index < entity->attributes.size(); ++index)
                    object->bindAttribute(index, *statement, parameter++);
            }
            statement->step();
            if (statement->hasError())
                return failed();
            statement->reset();
        }
    }
    return rowIds;
}

std::optional<StoreError> ManagedObjectContext::save()
{
    if (!hasChanges())
        return std::nullopt;

    auto fail = [this](const QString &what) {
        const QString description = what + m_database.lastError();
        m_database.execute("ROLLBACK");
        return StoreError{description};
    };

    if (auto error = m_database.execute("BEGIN IMMEDIATE"))
        return StoreError{QStringLiteral("The store could not start a save: %1").arg(*error)};

    QString insertError;
    const std::optional<QList<qint64>> newRowIds = insertNewRows(insertError);
    if (!newRowIds) {
        m_database.execute("ROLLBACK");
        return StoreError{QStringLiteral("The store could not save a new item: ") + insertError};
    }

    for (ManagedObject *object : std::as_const(m_updated)) {
        const EntityDescription &entity = *object->m_entity;
        QString assignments;
        QList<int> changedIndexes;
        for (int index = 0; index < entity.attributes.size(); ++index) {
            if (object->m_changedAttributes & (1u << index)) {
                assignments += (assignments.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1Char('"')
                               + entity.attributes.at(index).name + QStringLiteral("\" = ?");
                changedIndexes.append(index);
            }
        }
        const QByteArray sql =
            QStringLiteral("UPDATE \"%1\" SET %2 WHERE id = ?").arg(entity.name, assignments).toUtf8();
        SqliteStatement statement(m_database, sql.constData());
        if (!statement.isValid())
            return fail(QStringLiteral("The store could not save a change: "));
        int parameter = 1;
        for (int index : changedIndexes)
            object->bindAttribute(index, statement, parameter++);
        statement.bindInt64(parameter, object->m_rowId);
        statement.step();
        if (statement.hasError())
            return fail(QStringLiteral("The store could not save a change: "));
    }

    for (ManagedObject *object : std::as_const(m_deleted)) {
        const QByteArray sql = QStringLiteral("DELETE FROM \"%1\" WHERE id = ?").arg(object->m_entity->name).toUtf8();
        SqliteStatement statement(m_database, sql.constData());
        statement.bindInt64(1, object->m_rowId);
        statement.step();
        if (!statement.isValid() || statement.hasError())
            return fail(QStringLiteral("The store could not remove an item: "));
    }

    for (auto entry = m_pendingMetadata.cbegin(); entry != m_pendingMetadata.cend(); ++entry) {
        SqliteStatement statement(m_database, "INSERT OR REPLACE INTO StoreMetadata (key, value) VALUES (?, ?)");
        statement.bindText(1, entry.key());
        statement.bindText(2, entry.value());
        statement.step();
        if (!statement.isValid() || statement.hasError())
            return fail(QStringLiteral("The store could not save its bookkeeping: "));
    }

    if (m_database.execute("COMMIT"))
        return fail(QStringLiteral("The store could not finish a save: "));
    m_pendingMetadata.clear();

    // Committed: the changes are now the stored state.
    const QList<ManagedObject *> inserted = std::exchange(m_inserted, {});
    const QList<ManagedObject *> updated = std::exchange(m_updated, {});
    const QList<ManagedObject *> deleted = std::exchange(m_deleted, {});
    for (int index = 0; index < inserted.size(); ++index) {
        ManagedObject *object = inserted.at(index);
        object->m_rowId = newRowIds->at(index);
        object->m_isInserted = false;
        object->m_changedAttributes = 0;
        m_registered.insert(object->m_rowId, object);
    }
    for (ManagedObject *object : updated)
        object->m_changedAttributes = 0;
    for (ManagedObject *object : deleted) {
        m_registered.remove(object->m_rowId);
        object->m_rowId = 0;
        object->m_changedAttributes = 0;
    }
    emit didSave(m_transactionAuthor, inserted, updated, deleted);
    return std::nullopt;
}
