#include "SqliteDatabase.h"

#include "Utf8.h"

#include <QFile>

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

SqliteDatabase::~SqliteDatabase()
{
    if (m_handle)
        sqlite3_close_v2(m_handle);
}

std::optional<QString> SqliteDatabase::open(const QString &path)
{
    m_path = path;
    const QByteArray encoded = path == QLatin1String(":memory:") ? QByteArray(":memory:") : QFile::encodeName(path);
    // A new database file is the user's alone; its journal and shared-memory files take the
    // same mode from it.
    if (encoded != ":memory:") {
        const int descriptor = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor >= 0)
            ::close(descriptor);
    }
    const int result = sqlite3_open_v2(encoded.constData(), &m_handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) {
        QString description = m_handle ? lastError() : QString::fromUtf8(sqlite3_errstr(result));
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
        return description;
    }
    sqlite3_extended_result_codes(m_handle, 1);
    return std::nullopt;
}

std::optional<QString> SqliteDatabase::openReadOnlyUri(const QByteArray &uri)
{
    m_path = QString::fromUtf8(uri);
    const int result = sqlite3_open_v2(uri.constData(), &m_handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
    if (result != SQLITE_OK) {
        QString description = m_handle ? lastError() : QString::fromUtf8(sqlite3_errstr(result));
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
        return description;
    }
    sqlite3_extended_result_codes(m_handle, 1);
    return std::nullopt;
}

std::optional<QString> SqliteDatabase::execute(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(m_handle, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return std::nullopt;
    QString description = message ? QString::fromUtf8(message) : lastError();
    sqlite3_free(message);
    return description;
}

QString SqliteDatabase::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_handle));
}

qint64 SqliteDatabase::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_handle);
}

SqliteStatement::SqliteStatement(SqliteDatabase &database, const char *sql) : m_database(database)
{
    if (sqlite3_prepare_v2(database.handle(), sql, -1, &m_statement, nullptr) != SQLITE_OK) {
        m_statement = nullptr;
        m_failed = true;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(m_statement, index);
}

void SqliteStatement::bindInt64(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

void SqliteStatement::bindText(int index, const QString &text)
{
    if (text.isNull()) {
        sqlite3_bind_null(m_statement, index);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bindBlob(int index, const QByteArray &bytes)
{
    if (bytes.isNull()) {
        sqlite3_bind_null(m_statement, index);
        return;
    }
    sqlite3_bind_blob(m_statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

bool SqliteStatement::step()
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        m_failed = true;
    return false;
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 SqliteStatement::columnInt64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::columnDouble(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QString SqliteStatement::columnText(int column) const
{
    if (isNull(column))
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    if (size == 0)
        return QString(QLatin1String(""));
    return Utf8::decode(QByteArrayView(text, size));
}

QByteArray SqliteStatement::columnBlob(int column) const
{
    if (isNull(column))
        return {};
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
}
