#include "SQLiteTable.h"

#include "Codec.h"

#include <sqlcipher/sqlite3.h>

namespace {

// Releases a compiled statement on every way out, errors included.
struct TStatement
{
    sqlite3_stmt* stmt = nullptr;
    ~TStatement() { sqlite3_finalize(stmt); }
};

TSQLiteTable::Kind KindOfDeclaredType(const char* declared, int storageClass)
{
    using Kind = TSQLiteTable::Kind;
    if (!declared) {
        switch (storageClass) {
        case SQLITE_INTEGER:
            return Kind::Integer;
        case SQLITE_FLOAT:
            return Kind::Float;
        case SQLITE_BLOB:
            return Kind::Blob;
        default:
            return Kind::Text;
        }
    }
    const QByteArray type = QByteArray(declared).toUpper();
    if (type == "INTEGER" || type == "BOOLEAN")
        return Kind::Integer;
    if (type == "NUMERIC" || type == "FLOAT" || type == "DOUBLE" || type == "REAL")
        return Kind::Float;
    if (type == "BLOB")
        return Kind::Blob;
    return Kind::Text;
}

TSQLiteTable::Value ReadValue(sqlite3_stmt* stmt, int column, TSQLiteTable::Kind kind,
                              QByteArray& bytes)
{
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return std::nullopt;
    const void* data = nullptr;
    switch (kind) {
    case TSQLiteTable::Kind::Integer:
        return sqlite3_column_int64(stmt, column);
    case TSQLiteTable::Kind::Float:
        return sqlite3_column_double(stmt, column);
    case TSQLiteTable::Kind::Blob:
        data = sqlite3_column_blob(stmt, column);
        break;
    case TSQLiteTable::Kind::Text:
        data = sqlite3_column_text(stmt, column);
        break;
    }
    const TSQLiteTable::TBytes at{bytes.size(), sqlite3_column_bytes(stmt, column)};
    bytes.append(static_cast<const char*>(data), at.length);
    return at;
}

} // namespace

ESQLiteException::ESQLiteException(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString SQLiteErrorCodeText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Successful result");
    case 1:
        return QStringLiteral("SQL error or missing database");
    case 2:
        return QStringLiteral("An internal logic error in SQLite");
    case 3:
        return QStringLiteral("Access permission denied");
    case 4:
        return QStringLiteral("Callback routine requested an abort");
    case 5:
        return QStringLiteral("The database file is locked");
    case 6:
        return QStringLiteral("A table in the database is locked");
    case 7:
        return QStringLiteral("A malloc() failed");
    case 8:
        return QStringLiteral("Attempt to write a readonly database");
    case 9:
        return QStringLiteral("Operation terminated by sqlite3_interrupt()");
    case 10:
        return QStringLiteral("Some kind of disk I/O error occurred");
    case 11:
        return QStringLiteral("The database disk image is malformed");
    case 12:
        return QStringLiteral("(Internal Only) Table or record not found");
    case 13:
        return QStringLiteral("Insertion failed because database is full");
    case 14:
        return QStringLiteral("Unable to open the database file");
    case 15:
        return QStringLiteral("Database lock protocol error");
    case 16:
        return QStringLiteral("Database is empty");
    case 17:
        return QStringLiteral("The database schema changed");
    case 18:
        return QStringLiteral("Too much data for one row of a table");
    case 19:
        return QStringLiteral("Abort due to contraint violation");
    case 20:
        return QStringLiteral("Data type mismatch");
    case 21:
        return QStringLiteral("Library used incorrectly");
    case 22:
        return QStringLiteral("Uses OS features not supported on host");
    case 23:
        return QStringLiteral("Authorization denied");
    case 24:
        return QStringLiteral("Auxiliary database format error");
    case 25:
        return QStringLiteral("2nd parameter to sqlite3_bind out of range");
    case 26:
        return QStringLiteral("File opened that is not a database file");
    case 100:
        return QStringLiteral("sqlite3_step() has another row ready");
    case 101:
        return QStringLiteral("sqlite3_step() has finished executing");
    default:
        return QStringLiteral("Unknown SQLite Error Code \"%1\"").arg(code);
    }
}

TSQLiteDatabase::TSQLiteDatabase(const QString& FileName, const QByteArray& DbPassword,
                                 int KeyLength)
{
    // A connection is only ever used by the thread that opened it, so SQLite's own locking
    // around every call (three per value read) would cost a whole-bank read a sixth of its time.
    const int rc = sqlite3_open_v2(FileName.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("unknown error");
        sqlite3_close(db);
        db = nullptr;
        throw ESQLiteException(
            QStringLiteral("Failed to open database \"%1\" : %2").arg(FileName, reason));
    }
    sqlite3_key(db, DbPassword.constData(), KeyLength);
}

TSQLiteDatabase::~TSQLiteDatabase()
{
    sqlite3_close(db);
}

void TSQLiteDatabase::RaiseError(const QString& base, const QString& sql)
{
    const int code = sqlite3_errcode(db);
    if (code == 0)
        throw ESQLiteException(base);
    throw ESQLiteException(
        QStringLiteral("%1.\rError [%2]: %3.\r\"%4\": %5")
            .arg(base)
            .arg(code)
            .arg(SQLiteErrorCodeText(code), sql, QString::fromUtf8(sqlite3_errmsg(db))));
}

void TSQLiteDatabase::Prepare(const QString& sql, sqlite3_stmt** stmt)
{
    const QByteArray text = platform::ToCodePage936(sql);
    if (sqlite3_prepare_v2(db, text.constData(), -1, stmt, nullptr) != SQLITE_OK)
        RaiseError(QStringLiteral("Error executing SQL"), sql);
    if (!*stmt)
        RaiseError(QStringLiteral("Could not prepare SQL statement"), sql);
}

void TSQLiteDatabase::ExecSQL(const QString& sql)
{
    ExecSQL(sql, {});
}

void TSQLiteDatabase::ExecSQL(const QString& sql, const std::vector<TSQLiteParam>& params)
{
    TStatement s;
    Prepare(sql, &s.stmt);
    for (size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        int rc = SQLITE_OK;
        if (const qint64* value = std::get_if<qint64>(&params[i])) {
            rc = sqlite3_bind_int64(s.stmt, index, *value);
        } else {
            const QByteArray text = platform::ToCodePage936(std::get<QString>(params[i]));
            rc = sqlite3_bind_text(s.stmt, index, text.constData(), static_cast<int>(text.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            RaiseError(QStringLiteral("Error executing SQL statement"), sql);
    }
    if (sqlite3_step(s.stmt) != SQLITE_DONE)
        RaiseError(QStringLiteral("Error executing SQL statement"), sql);
}

void TSQLiteDatabase::SetBusyTimeout(int ms)
{
    sqlite3_busy_timeout(db, ms);
}

void TSQLiteDatabase::Rollback()
{
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool TSQLiteDatabase::Step(sqlite3_stmt* stmt, const QString& sql)
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE)
        return false;
    if (rc == SQLITE_BUSY)
        throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"));
    if (rc != SQLITE_ROW)
        RaiseError(QStringLiteral("Could not retrieve data"), sql);
    return true;
}

int TSQLiteDatabase::CountRows(const QString& sql)
{
    TStatement s;
    Prepare(sql, &s.stmt);
    int rows = 0;
    while (Step(s.stmt, sql))
        ++rows;
    return rows;
}

void TSQLiteDatabase::ForEachRow(const QString& sql,
                                 const std::function<void(const TSQLiteRow&)>& reader)
{
    TStatement s;
    Prepare(sql, &s.stmt);
    const TSQLiteRow row(s.stmt);
    while (Step(s.stmt, sql))
        reader(row);
}

qint64 TSQLiteRow::Integer(int column) const
{
    return sqlite3_column_int64(stmt, column);
}

QString TSQLiteRow::Text(int column) const
{
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return platform::FromCodePage936(text, sqlite3_column_bytes(stmt, column));
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::GetTable(const QString& sql)
{
    TStatement s;
    Prepare(sql, &s.stmt);

    auto table = std::make_unique<TSQLiteTable>();
    while (Step(s.stmt, sql)) {
        const int count = sqlite3_column_count(s.stmt);
        if (table->rows.empty()) {
            for (int c = 0; c < count; ++c) {
                table->columns << QString::fromUtf8(sqlite3_column_name(s.stmt, c)).toUpper();
                table->kinds.push_back(KindOfDeclaredType(sqlite3_column_decltype(s.stmt, c),
                                                          sqlite3_column_type(s.stmt, c)));
            }
        }
        std::vector<TSQLiteTable::Value> row;
        row.reserve(count);
        for (int c = 0; c < count; ++c)
            row.push_back(ReadValue(s.stmt, c, table->kinds[c], table->bytes));
        table->rows.push_back(std::move(row));
    }
    return table;
}

int TSQLiteTable::ColumnIndex(const QString& name) const
{
    if (rows.empty())
        throw ESQLiteException(QStringLiteral("Field ") + name +
                               QStringLiteral(" Not found. Empty dataset"));
    const int index = columns.indexOf(name.toUpper());
    if (index < 0)
        throw ESQLiteException(QStringLiteral("Field not found in dataset: ") + name);
    return index;
}

int TSQLiteTable::FindColumn(const QString& name) const
{
    return static_cast<int>(columns.indexOf(name.toUpper()));
}

QString TSQLiteTable::FieldAsString(int column) const
{
    if (Eof())
        throw ESQLiteException(QStringLiteral("Table is at End of File"));
    const Value& value = rows[current].at(column);
    if (!value)
        return QString();
    if (const qint64* i = std::get_if<qint64>(&*value))
        return QString::number(*i);
    if (const double* d = std::get_if<double>(&*value))
        return QString::number(*d, 'g', 15);
    const TBytes& text = std::get<TBytes>(*value);
    return platform::FromCodePage936(bytes.constData() + text.offset, text.length);
}

void TSQLiteTable::Next()
{
    if (!Eof())
        ++current;
}
