#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The little of SQLite the bank tool needs: a connection and statements with bound values.
// Errors raise EBankError naming the file.
namespace bank {

class TConnection
{
public:
    enum class Mode
    {
        ReadOnly,
        ReadWrite, // the file must exist (an empty file is an empty database)
    };
    // key empty: a plain file; otherwise the key bytes are given before any statement.
    TConnection(const QString& path, Mode mode, const QByteArray& key = QByteArray());
    ~TConnection();
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;

    void Exec(const char* sql);
    [[noreturn]] void Raise(const QString& what) const;
    QString LastError() const;
    sqlite3* Handle() const { return db; }
    const QString& Path() const { return path; }

private:
    QString path;
    sqlite3* db = nullptr;
};

class TStatement
{
public:
    TStatement(TConnection& connection, const char* sql);
    ~TStatement();
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // Parameters count from 1.
    void Bind(int parameter, qint64 value);
    void Bind(int parameter, const QByteArray& text);
    void BindBlob(int parameter, const QByteArray& bytes);
    // Runs one step: true while a row is ready.
    bool Step();
    // Runs to the end and makes the statement ready for new values.
    void Run();

    sqlite3_stmt* Handle() const { return stmt; }
    bool IsNull(int column) const;
    qint64 Integer(int column) const;
    QByteArray Bytes(int column) const;

private:
    TConnection& connection;
    sqlite3_stmt* stmt = nullptr;
};

} // namespace bank
