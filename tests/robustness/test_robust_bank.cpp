#include "BankFiles.h"
#include "Db.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "Notices.h"
#include "TestNotices.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <sqlcipher/sqlite3.h>

using TDamage = std::function<void(const QString& bankPath)>;
Q_DECLARE_METATYPE(TDamage)

namespace {

const QString Title = QStringLiteral("砺行驾考");
constexpr int BankSize = 120;

void Truncate(const QString& path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(size));
}

void CorruptMiddlePage(const QString& path)
{
    QByteArray bytes = robust::FileBytes(path);
    bytes.replace(bytes.size() / 2, 256, QByteArray(256, '\xA5'));
    robust::WriteFileBytes(path, bytes);
}

// examdata rebuilt with a text id column, as a hand-made bank may have it, then one id spoilt.
TDamage SpoilFirstId(const char* value)
{
    return [value](const QString& path) {
        robust::ExecOnBank(
            path,
            QByteArray("ALTER TABLE examdata RENAME TO t; CREATE TABLE examdata(id TEXT, "
                       "title TEXT, a TEXT, b TEXT, c TEXT, d TEXT, imgname TEXT, result "
                       "TEXT, chapter INTEGER, item INTEGER, difficult INTEGER, qhlx "
                       "INTEGER, iserror INTEGER, explain TEXT); INSERT INTO examdata SELECT * "
                       "FROM t; "
                       "DROP TABLE t; UPDATE examdata SET id=") +
                value + " WHERE id='1';");
    };
}

QPushButton* Button(TFrmMain& w, const char* name)
{
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

QString ShownError(const QString& message)
{
    return platform::Notices::ErrorReportText(message);
}

QString WriteError(int code, const QString& codeText, const QString& sql, const QString& detail)
{
    return QStringLiteral("Error executing SQL statement.\rError [%1]: %2.\r\"%3\": %4")
        .arg(code)
        .arg(codeText, sql, detail);
}

} // namespace

// The trainer on a bank that is damaged before it starts or goes bad under it: the learner is
// told what is wrong in the error report, the window goes on taking starts and answers, and
// what the learner had stored is still in the file.
class TestRobustBank : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::Notices::SetApplicationTitle(Title); }

    void damagedBankIsReportedAndLeftAsItWas_data()
    {
        QTest::addColumn<TDamage>("damage");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("readable"); // whether the learner data can still be read back

        const QString malformed = QStringLiteral(
            "Could not retrieve data.\rError [11]: The database disk image is malformed.\r"
            "\"SELECT * FROM examdata\": database disk image is malformed");
        const QString notADatabase = QStringLiteral(
            "Error executing SQL.\rError [26]: File opened that is not a database file.\r"
            "\"SELECT * FROM examdata\": file is encrypted or is not a database");
        QTest::newRow("empty file")
            << TDamage([](const QString& path) { Truncate(path, 0); })
            << QStringLiteral("Error executing SQL.\rError [1]: SQL error or missing database.\r"
                              "\"SELECT * FROM examdata\": no such table: examdata")
            << false;
        QTest::newRow("text file") << TDamage([](const QString& path) {
            robust::WriteFileBytes(path, "id,title\r\n1,这不是题库\r\n");
        }) << notADatabase << false;
        QTest::newRow("another key") << TDamage([](const QString& path) {
            robust::ExecOnBank(path, "PRAGMA rekey='abcd';");
        }) << notADatabase << false;
        QTest::newRow("half the file")
            << TDamage([](const QString& path) { Truncate(path, QFile(path).size() / 2); })
            << QStringLiteral(
                   "Error executing SQL.\rError [11]: The database disk image is malformed.\r"
                   "\"SELECT * FROM examdata\": database disk image is malformed")
            << false;
        QTest::newRow("page overwritten") << TDamage(CorruptMiddlePage) << malformed << false;
        QTest::newRow("column missing") << TDamage([](const QString& path) {
            robust::ExecOnBank(path, "CREATE TABLE t AS SELECT id, title, a, b, c, d, imgname, "
                                     "chapter, item, difficult, qhlx, iserror FROM examdata; "
                                     "DROP TABLE examdata; ALTER TABLE t RENAME TO examdata;");
        }) << QStringLiteral("Field not found in dataset: result")
                                        << true;
        QTest::newRow("null id") << SpoilFirstId("NULL")
                                 << QStringLiteral("'''' is not a valid integer value") << true;
        QTest::newRow("id not a number")
            << SpoilFirstId("'x'") << QStringLiteral("''x'' is not a valid integer value") << true;
    }
    void damagedBankIsReportedAndLeftAsItWas()
    {
        QFETCH(TDamage, damage);
        QFETCH(QString, message);
        QFETCH(bool, readable);
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        robust::StoreThreeScores(bank);
        const QStringList learner = robust::LearnerData(bank);
        damage(bank);
        const QByteArray damaged = robust::FileBytes(bank);

        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        QCOMPARE(notices.Texts(), QStringList{ShownError(message)});
        QCOMPARE(notices.shown[0].kind, platform::Notices::Kind::Error);
        QCOMPARE(notices.shown[0].caption, Title);

        // The window goes on: the clock ticks, another start tells the same, answers do no harm.
        w.Timer1Timer();
        QCOMPARE(w.Controls().LblTime->text(), "00:00:00");
        Button(w, "BtnRandom")->click();
        QCOMPARE(notices.Texts(), QStringList(2, ShownError(message)));
        QVERIFY(w.isVisible());

        db::CloseQuestionStore();
        QCOMPARE(robust::FileBytes(bank), damaged);
        if (readable)
            QCOMPARE(robust::LearnerData(bank), learner);
    }

    void missingBankIsNotCreatedAndIsOpenedOnceInPlace()
    {
        auto source = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QByteArray good = robust::FileBytes(source->FilePath("Test.db"));
        auto folder = fixture::EmptyFolder();
        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        QCOMPARE(notices.Texts(),
                 QStringList{ShownError(
                     "Failed to open database \"Test.db\" : unable to open database file")});
        QVERIFY(!QFile::exists(folder->FilePath("Test.db")));

        robust::WriteFileBytes(folder->FilePath("Test.db"), good);
        Button(w, "BtnOrder")->click();
        QCOMPARE(notices.shown.size(), 1);
        QCOMPARE(w.Controls().GrpMain->title(), QStringLiteral("顺序练习(共计%1题)").arg(BankSize));
        QVERIFY(w.Controls().LblExam->text().startsWith("1.选择题1："));
    }

    // Root writes whatever the permission bits say, so the bank is made unwritable the way
    // SQLite itself notices: by taking the file away under the open connection.
    void writesOnABankThatWentAwayAreReported_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("moved away, read-only") << false;
        QTest::newRow("deleted") << true;
    }
    void writesOnABankThatWentAwayAreReported()
    {
        QFETCH(bool, deleted);
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        const QString moved = folder->FilePath("Moved.db");
        robust::StoreThreeScores(bank);
        const QStringList learner = robust::LearnerData(bank);
        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        w.findChild<QCheckBox*>("ChkAutoNext")->click();
        QVERIFY(deleted ? QFile::remove(bank) : QFile::rename(bank, moved));

        Button(w, "BtnB")->click();
        const QString readOnly = QStringLiteral("attempt to write a readonly database");
        QCOMPARE(notices.Texts(), QStringList{ShownError(WriteError(
                                      8, "Attempt to write a readonly database",
                                      "update examdata set iserror=1 where id=1", readOnly))});
        // The answer is judged and shown all the same.
        QCOMPARE(w.Controls().LblMyAnswer->text(), "B");
        QCOMPARE(w.Controls().LblTR->text(), "答题/正确：1 / 0");

        // Marking by hand is refused as loudly and never confirmed.
        Button(w, "BtnSetError")->click();
        QCOMPARE(notices.shown.size(), 2);
        QVERIFY(notices.shown[1].text.contains("Error [8]"));
        QVERIFY(w.Controls().lblErrorSave->isHidden());

        // Reading goes on from the open file: moving on and starting anew work.
        Button(w, "BtnNext")->click();
        QVERIFY(w.Controls().LblExam->text().startsWith("2.选择题2："));
        Button(w, "BtnRandom")->click();
        QCOMPARE(w.Controls().GrpMain->title(), QStringLiteral("随机练习(共计%1题)").arg(BankSize));
        QCOMPARE(notices.shown.size(), 2);

        db::CloseQuestionStore();
        if (!deleted)
            QCOMPARE(robust::LearnerData(moved), learner);
    }

    // Another program holding the bank in an exclusive transaction: each write and read is
    // refused with its own report while it lasts, and the same write goes through once it ends.
    void lockedBankRefusesThenTakesTheWrite()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        w.findChild<QCheckBox*>("ChkAutoNext")->click();

        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(bank).constData(), &other), SQLITE_OK);
        sqlite3_key(other, "tqwpzn", 4);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

        Button(w, "BtnB")->click();
        QCOMPARE(notices.Texts(),
                 QStringList{ShownError(WriteError(5, "The database file is locked",
                                                   "update examdata set iserror=1 where id=1",
                                                   "database is locked"))});
        Button(w, "BtnRandom")->click();
        QCOMPARE(notices.Texts().last(), ShownError("Could not prepare SQL statement"));
        QVERIFY(w.Controls().GrpMain->title().startsWith("顺序练习"));

        QCOMPARE(sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
        Button(w, "BtnB")->click();
        QCOMPARE(notices.shown.size(), 2);
        QVERIFY(robust::LearnerData(bank).contains("mark 1"));
    }
};

QTEST_MAIN(TestRobustBank)
#include "test_robust_bank.moc"
