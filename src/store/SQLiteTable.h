#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The error of the database layer; its message is the whole report shown to the learner.
class ESQLiteException : public std::runtime_error
{
public:
    explicit ESQLiteException(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

class TSQLiteTable;

// A value bound to a statement's "?": an integer, or a text stored in code page 936.
using TSQLiteParam = std::variant<qint64, QString>;

// The current row of a query read row by row, valid only inside the reader's call.
class TSQLiteRow
{
public:
    qint64 Integer(int column) const;
    QString Text(int column) const;

private:
    friend class TSQLiteDatabase;
    explicit TSQLiteRow(sqlite3_stmt* stmt) : stmt(stmt) {}
    sqlite3_stmt* stmt;
};

// One connection to an encrypted SQLite file.
class TSQLiteDatabase
{
public:
    // Opens an existing file read-write and gives the key. A missing file is an open error:
    // the learner's folder never gets an empty bank.
    TSQLiteDatabase(const QString& FileName, const QByteArray& DbPassword, int KeyLength);
    ~TSQLiteDatabase();
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    // Runs one statement that returns no rows.
    void ExecSQL(const QString& sql);
    // The same with values bound in order; the error report shows the text with its "?".
    void ExecSQL(const QString& sql, const std::vector<TSQLiteParam>& params);
    // Ends an open transaction without keeping any of it; nothing when none is open. Never
    // raises: it runs on the way out of a failure that is being reported.
    void Rollback();
    // Runs a query and loads every row into memory.
    std::unique_ptr<TSQLiteTable> GetTable(const QString& sql);
    // Runs a query to its end and tells how many rows it gave, with the errors of GetTable but
    // without keeping a single value.
    int CountRows(const QString& sql);
    // Runs a query and hands each row to the reader, for results too large to copy whole.
    void ForEachRow(const QString& sql, const std::function<void(const TSQLiteRow&)>& reader);

    // How long a statement waits for another connection's lock before it fails with "database
    // is locked"; 0, the default, fails at once.
    void SetBusyTimeout(int ms);

    sqlite3* Handle() const { return db; }

private:
    // Compiles the whole text, which must hold a statement.
    void Prepare(const QString& sql, sqlite3_stmt** stmt);
    // Moves to the next row; false past the last one.
    bool Step(sqlite3_stmt* stmt, const QString& sql);
    [[noreturn]] void RaiseError(const QString& base, const QString& sql);
    sqlite3* db = nullptr;
};

// A query result held whole in memory, with a current row.
class TSQLiteTable
{
public:
    enum class Kind
    {
        Integer,
        Float,
        Text,
        Blob
    };
    // Where a text or a blob lies in the table's one buffer of bytes.
    struct TBytes
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    using Value = std::optional<std::variant<qint64, double, TBytes>>;

    int RowCount() const { return static_cast<int>(rows.size()); }
    bool Eof() const { return current >= rows.size(); }
    int ColumnIndex(const QString& name) const;
    // The index of a column that a table may lack, -1 when it has none; never raises.
    int FindColumn(const QString& name) const;
    QString FieldAsString(int column) const;
    void Next();

private:
    friend class TSQLiteDatabase;
    QStringList columns; // upper-cased
    std::vector<Kind> kinds;
    std::vector<std::vector<Value>> rows;
    // Every text and blob of every row, end to end: one allocation now and then in place of
    // one for each value.
    QByteArray bytes;
    size_t current = 0;
};

// The text of an SQLite result code, as the error reports name it.
QString SQLiteErrorCodeText(int code);
