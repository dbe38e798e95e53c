#include "PersistentContainer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const char *columnType(AttributeType type)
{
    switch (type) {
    case AttributeType::UUID:
        return "BLOB";
    case AttributeType::String:
        return "TEXT";
    case AttributeType::Boolean:
    case AttributeType::Integer16:
    case AttributeType::Integer64:
    case AttributeType::Date:
        return "INTEGER";
    }
    return "BLOB";
}

// The column definition of a new attribute: a non-optional number starts at 0.
QString columnDefinition(const AttributeDescription &attribute)
{
    QString definition = QStringLiteral("\"%1\" %2").arg(attribute.name, QLatin1String(columnType(attribute.type)));
    const bool isNumber = attribute.type != AttributeType::UUID && attribute.type != AttributeType::String
        && attribute.type != AttributeType::Date;
    if (!attribute.isOptional && isNumber)
        definition += QStringLiteral(" NOT NULL DEFAULT 0");
    return definition;
}

// The version and the tables a store file holds.
struct StoreLayout {
    qint64 version = 0;
    QStringList tables;
};

std::optional<QString> readLayout(SqliteDatabase &database, StoreLayout *layout)
{
    SqliteStatement version(database, "PRAGMA user_version");
    if (!version.isValid() || !version.step())
        return database.lastError();
    layout->version = version.columnInt64(0);
    SqliteStatement schema(database, "SELECT name FROM sqlite_master WHERE type = 'table'");
    while (schema.step())
        layout->tables.append(schema.columnText(0));
    if (schema.hasError() || !schema.isValid())
        return database.lastError();
    return std::nullopt;
}

QByteArray fileUri(const QString &path, const char *parameters)
{
    return "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/") + '?' + parameters;
}

// Reads the layout of the existing store file at `path` without changing a byte of it or of its
// -wal and -shm files, and without creating either: with no write-ahead journal content the
// file alone is read as immutable; a journal with its index is read leaving the index alone
// (SQLite's readonly_shm); a journal without an index is read from a private copy of both.
std::optional<QString> inspectStoreFile(const QString &path, StoreLayout *layout)
{
    const QString journal = path + QStringLiteral("-wal");
    QTemporaryDir copyDirectory; // outlives the connection below
    SqliteDatabase database;
    std::optional<QString> error;
    if (QFileInfo(journal).size() == 0) {
        error = database.openReadOnlyUri(fileUri(path, "immutable=1"));
    } else if (QFileInfo::exists(path + QStringLiteral("-shm"))) {
        error = database.openReadOnlyUri(fileUri(path, "mode=ro&readonly_shm=1"));
    } else {
        const QString copy = copyDirectory.filePath(QStringLiteral("store.sqlite"));
        if (!copyDirectory.isValid() || !QFile::copy(path, copy) || !QFile::copy(journal, copy + QStringLiteral("-wal")))
            return QStringLiteral("its write-ahead journal could not be read");
        error = database.openReadOnlyUri(fileUri(copy, "mode=ro"));
    }
    if (error)
        return error;
    return readLayout(database, layout);
}

} // namespace

PersistentContainer::PersistentContainer(const QString &name, const ManagedObjectModel &model)
    : m_name(name), m_model(model)
{
}

PersistentContainer::~PersistentContainer()
{
    m_viewContext.reset(); // before the database it reads
}

void PersistentContainer::loadPersistentStores(
    const std::function<void(const std::optional<StoreError> &)> &completion)
{
    if (auto error = openStore()) {
        completion(StoreError{*error});
        return;
    }
    m_viewContext = std::make_unique<ManagedObjectContext>(m_model, m_database);
    completion(std::nullopt);
}

std::optional<QString> PersistentContainer::openStore()
{
    const bool inMemory = m_description.type == PersistentStoreDescription::Type::InMemory;
    const QString path = inMemory ? QStringLiteral(":memory:") : m_description.path;
    const QString where = inMemory ? QStringLiteral("The in-memory store")
                                   : QStringLiteral("The store file “%1”").arg(path);

    if (!inMemory) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile())
            return QStringLiteral("%1 is not a file.").arg(where);
        if (info.exists() && !info.isReadable())
            return QStringLiteral("%1 cannot be read (permission denied).").arg(where);
        // Read-only until the file is known to be ours and of a version this build can write:
        // a store that is refused stays byte for byte as it was, journal files included.
        if (info.exists() && info.size() > 0) {
            StoreLayout layout;
            if (auto error = inspectStoreFile(path, &layout))
                return QStringLiteral("%1 is not a readable Stashline store: %2").arg(where, *error);
            if (auto refusal = checkLayout(layout.version, layout.tables, where))
                return refusal;
        }
    }
    if (auto error = m_database.open(path))
        return QStringLiteral("%1 could not be opened: %2").arg(where, *error);

    StoreLayout layout;
    if (auto error = readLayout(m_database, &layout))
        return QStringLiteral("%1 is not a readable Stashline store: %2").arg(where, *error);
    if (auto refusal = checkLayout(layout.version, layout.tables, where))
        return refusal;
    const qint64 storedVersion = layout.version;

    if (storedVersion > 0 && storedVersion < m_model.schemaVersion) {
        if (auto error = migrate(storedVersion))
            return QStringLiteral("%1 could not be brought up to this version of Stashline (store version %2): %3")
                .arg(where)
                .arg(storedVersion)
                .arg(*error);
    }
    if (!inMemory) {
        if (auto error = m_database.execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;"))
            return QStringLiteral("%1 could not be prepared: %2").arg(where, *error);
    }
    if (storedVersion == 0) {
        QString sql = QStringLiteral("BEGIN;");
        for (const EntityDescription &entity : m_model.entities) {
            QString columns = QStringLiteral("id INTEGER PRIMARY KEY");
            for (const AttributeDescription &attribute : entity.attributes)
                columns += QStringLiteral(", ") + columnDefinition(attribute);
            sql += QStringLiteral("CREATE TABLE \"%1\" (%2);").arg(entity.name, columns);
            QStringList indexed = entity.indexedAttributes;
            if (!entity.dateSortAttribute.isEmpty())
                indexed.append(entity.dateSortAttribute);
            for (const QString &attribute : std::as_const(indexed))
                sql += QStringLiteral("CREATE INDEX \"%1_by_%2\" ON \"%1\" (\"%2\");").arg(entity.name, attribute);
        }
        sql += QStringLiteral("CREATE TABLE StoreMetadata (key TEXT PRIMARY KEY, value TEXT);");
        sql += QStringLiteral("INSERT INTO StoreMetadata VALUES ('modelVersion', '%1');")
                   .arg(QStringList(m_model.versionIdentifiers.values()).join(QLatin1Char(',')));
        sql += QStringLiteral("PRAGMA user_version = %1;").arg(m_model.schemaVersion);
        std::optional<QString> error = m_database.execute(sql.toUtf8().constData());
        if (!error)
            error = runMigrations(0);
        if (!error)
            error = m_database.execute("COMMIT");
        if (error) {
            m_database.execute("ROLLBACK");
            return QStringLiteral("%1 could not be set up: %2").arg(where, *error);
        }
    }
    return std::nullopt;
}

std::optional<QString> PersistentContainer::runMigrations(qint64 storedVersion)
{
    for (const StoreMigration &migration : m_model.migrations) {
        if (migration.version <= storedVersion || migration.version > m_model.schemaVersion)
            continue;
        if (auto error = migration.apply(m_database))
            return QStringLiteral("step %1: %2").arg(migration.version).arg(*error);
    }
    return std::nullopt;
}

std::optional<QString> PersistentContainer::checkLayout(qint64 storedVersion, const QStringList &tables,
                                                       const QString &where) const
{
    if (storedVersion > m_model.schemaVersion)
        return QStringLiteral("%1 was written by a newer version of Stashline (store version %2; this "
                              "version reads up to %3). Update Stashline to open it.")
            .arg(where)
            .arg(storedVersion)
            .arg(m_model.schemaVersion);
    if (storedVersion == 0 && !tables.isEmpty())
        return QStringLiteral("%1 holds data that is not a Stashline store.").arg(where);
    if (storedVersion > 0) {
        for (const EntityDescription &entity : m_model.entities) {
            if (!tables.contains(entity.name))
                return QStringLiteral("%1 is damaged: the table “%2” is missing.").arg(where, entity.name);
        }
    }
    return std::nullopt;
}

std::optional<QString> PersistentContainer::migrate(qint64 storedVersion)
{
    // One transaction: a step that fails leaves the file as it was.
    if (auto error = m_database.execute("BEGIN IMMEDIATE"))
        return error;
    const auto rollBack = [this](const QString &error) {
        m_database.execute("ROLLBACK");
        return std::optional<QString>(error);
    };
    for (const EntityDescription &entity : m_model.entities) {
        QStringList columns;
        {
            const QByteArray sql = QStringLiteral("PRAGMA table_info(\"%1\")").arg(entity.name).toUtf8();
            SqliteStatement info(m_database, sql.constData());
            while (info.step())
                columns.append(info.columnText(1));
            if (!info.isValid() || info.hasError())
                return rollBack(m_database.lastError());
        }
        for (const AttributeDescription &attribute : entity.attributes) {
            if (columns.contains(attribute.name))
                continue;
            const QByteArray sql =
                QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN %2").arg(entity.name, columnDefinition(attribute)).toUtf8();
            if (auto error = m_database.execute(sql.constData()))
                return rollBack(*error);
        }
    }
    if (auto error = runMigrations(storedVersion))
        return rollBack(*error);
    const QString finish = QStringLiteral("UPDATE StoreMetadata SET value = '%1' WHERE key = 'modelVersion';"
                                          "PRAGMA user_version = %2;")
                               .arg(QStringList(m_model.versionIdentifiers.values()).join(QLatin1Char(',')))
                               .arg(m_model.schemaVersion);
    if (auto error = m_database.execute(finish.toUtf8().constData()))
        return rollBack(*error);
    if (auto error = m_database.execute("COMMIT"))
        return rollBack(*error);
    return std::nullopt;
}
