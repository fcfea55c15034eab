#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
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
    // Runs a query and loads every row into memory.
    std::unique_ptr<TSQLiteTable> GetTable(const QString& sql);
    // Runs a query to its end and tells how many rows it gave, with the errors of GetTable but
    // without keeping a single value.
    int CountRows(const QString& sql);

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
    using Value = std::optional<std::variant<qint64, double, QByteArray>>;

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
    size_t current = 0;
};

// The text of an SQLite result code, as the error reports name it.
QString SQLiteErrorCodeText(int code);
