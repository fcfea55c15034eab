#include "Sqlite.h"

#include "BankError.h"

#include <sqlcipher/sqlite3.h>

namespace bank {

TConnection::TConnection(const QString& path, Mode mode, const QByteArray& key) : path(path)
{
    // URIs let a bank be attached read-only ("file:…?mode=ro") to a connection that writes.
    const int flags =
        (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString reason =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw EBankError(QStringLiteral("%1: cannot open: %2").arg(path, reason));
    }
    if (!key.isEmpty() &&
        sqlite3_key(db, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
        Raise(QStringLiteral("cannot give the key"));
}

TConnection::~TConnection()
{
    sqlite3_close(db);
}

QString TConnection::LastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

void TConnection::Raise(const QString& what) const
{
    throw EBankError(QStringLiteral("%1: %2: %3").arg(path, what, LastError()));
}

void TConnection::Exec(const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Raise(QString::fromUtf8(sql));
}

TStatement::TStatement(TConnection& connection, const char* sql) : connection(connection)
{
    if (sqlite3_prepare_v2(connection.Handle(), sql, -1, &stmt, nullptr) != SQLITE_OK)
        connection.Raise(QString::fromUtf8(sql));
}

TStatement::~TStatement()
{
    sqlite3_finalize(stmt);
}

void TStatement::Bind(int parameter, qint64 value)
{
    if (sqlite3_bind_int64(stmt, parameter, value) != SQLITE_OK)
        connection.Raise(QString::fromUtf8(sqlite3_sql(stmt)));
}

void TStatement::Bind(int parameter, const QByteArray& text)
{
    if (sqlite3_bind_text(stmt, parameter, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        connection.Raise(QString::fromUtf8(sqlite3_sql(stmt)));
}

void TStatement::BindBlob(int parameter, const QByteArray& bytes)
{
    if (sqlite3_bind_blob(stmt, parameter, bytes.constData(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        connection.Raise(QString::fromUtf8(sqlite3_sql(stmt)));
}

bool TStatement::Step()
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        connection.Raise(QString::fromUtf8(sqlite3_sql(stmt)));
    return false;
}

void TStatement::Run()
{
    while (Step()) {
    }
    sqlite3_reset(stmt);
}

bool TStatement::IsNull(int column) const
{
    return sqlite3_column_type(stmt, column) == SQLITE_NULL;
}

qint64 TStatement::Integer(int column) const
{
    return sqlite3_column_int64(stmt, column);
}

QByteArray TStatement::Bytes(int column) const
{
    const void* bytes = sqlite3_column_blob(stmt, column);
    return QByteArray(static_cast<const char*>(bytes), sqlite3_column_bytes(stmt, column));
}

} // namespace bank
