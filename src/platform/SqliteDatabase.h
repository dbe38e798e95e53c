#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

class SqliteStatement;

// One SQLite connection, owned by one thread. Errors come back as text that names the file.
class SqliteDatabase
{
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    // Opens (creating if missing) the database file at `path`, or an in-memory database for
    // ":memory:". Nothing is read or written yet. Returns an error description on failure.
    std::optional<QString> open(const QString &path);
    // Opens an existing database file for reading only, through an SQLite URI ("file:...?...")
    // whose parameters say how (immutable, readonly_shm); never creates a file.
    std::optional<QString> openReadOnlyUri(const QByteArray &uri);
    bool isOpen() const { return m_handle != nullptr; }
    const QString &path() const { return m_path; }

    // Runs one or more statements without results.
    std::optional<QString> execute(const char *sql);

    // The last error of this connection, as SQLite describes it.
    QString lastError() const;
    qint64 lastInsertRowId() const;

    sqlite3 *handle() const { return m_handle; }

private:
    sqlite3 *m_handle = nullptr;
    QString m_path;
};

// A prepared statement. Bind indexes start at 1, column indexes at 0.
class SqliteStatement
{
public:
    SqliteStatement(SqliteDatabase &database, const char *sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool isValid() const { return m_statement != nullptr; }

    void bindNull(int index);
    void bindInt64(int index, qint64 value);
    void bindText(int index, const QString &text); // a null QString binds NULL
    void bindBlob(int index, const QByteArray &bytes); // a null QByteArray binds NULL

    // Advances to the next row: true on a row, false when done or on an error (see hasError).
    bool step();
    bool hasError() const { return m_failed; }
    void reset();

    bool isNull(int column) const;
    qint64 columnInt64(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const; // NULL reads as a null QString, '' as an empty one
    QByteArray columnBlob(int column) const;

private:
    SqliteDatabase &m_database;
    sqlite3_stmt *m_statement = nullptr;
    bool m_failed = false;
};
