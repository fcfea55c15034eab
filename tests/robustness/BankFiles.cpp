#include "BankFiles.h"

#include "Fixture.h"

#include <QFile>
#include <sqlcipher/sqlite3.h>
#include <stdexcept>

namespace robust {
namespace {

// One connection under a key, closed on every way out.
class TRawBank
{
public:
    TRawBank(const QString& path, const QByteArray& key)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK)
            Fail("open " + path.toUtf8());
        sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    }
    ~TRawBank() { sqlite3_close(db); }
    TRawBank(const TRawBank&) = delete;
    TRawBank& operator=(const TRawBank&) = delete;

    void Exec(const QByteArray& sql)
    {
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            Fail(sql);
    }

    QStringList Rows(const char* sql, const QString& prefix)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            Fail(sql);
        QStringList rows;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QStringList values{prefix};
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                values << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            rows << values.join(QLatin1Char(' '));
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            Fail(sql);
        return rows;
    }

private:
    [[noreturn]] void Fail(const QByteArray& what)
    {
        throw std::runtime_error((what + ": " + sqlite3_errmsg(db)).toStdString());
    }
    sqlite3* db = nullptr;
};

} // namespace

void ExecOnBank(const QString& path, const QByteArray& sql, const QByteArray& key)
{
    TRawBank(path, key).Exec(sql);
}

QStringList LearnerData(const QString& path)
{
    TRawBank bank(path, BankKey);
    return bank.Rows("SELECT id FROM examdata WHERE iserror=1 ORDER BY CAST(id AS INTEGER)",
                     QStringLiteral("mark")) +
           bank.Rows("SELECT id, score, dateline FROM scoredata ORDER BY id",
                     QStringLiteral("score"));
}

QStringList AnswerRecord(const QString& path)
{
    return TRawBank(path, BankKey)
        .Rows("SELECT qid FROM answerlog ORDER BY id", QStringLiteral("answer"));
}

void StoreThreeScores(const QString& path)
{
    ExecOnBank(path, "INSERT INTO scoredata(score, dateline) VALUES(70, '2024-03-01 09:00:00');"
                     "INSERT INTO scoredata(score, dateline) VALUES(95, '2024-03-02 09:00:00');"
                     "INSERT INTO scoredata(score, dateline) VALUES(88, '2024-03-03 09:00:00');");
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

std::vector<bank::TQuestion> PracticeBank(int n)
{
    std::vector<bank::TQuestion> questions;
    for (int id = 1; id <= n; ++id) {
        bank::TQuestion q = fixture::ChoiceQuestion(id, 1 + (id - 1) % 7);
        q.title += QStringLiteral("遇到这种情况时，驾驶人应当先观察后方来车，再减速靠右停车。");
        q.iserror = id % 7 == 0 ? 1 : 0;
        questions.push_back(std::move(q));
    }
    return questions;
}

} // namespace robust
