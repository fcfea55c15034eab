#include "Backup.h"
#include "BankFiles.h"
#include "Db.h"
#include "Fixture.h"
#include "MainWindow.h"
#include "TestNotices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sqlcipher/sqlite3.h>

// The daily backup: a copy of the whole bank under the bank's key, made once a day before
// anything is written, through a temporary file, of which the seven newest stay.
namespace {

constexpr int BankSize = 120;
const QDate Day(2026, 5, 4);

QString BackupFolder(const fixture::TBankFolder& folder)
{
    return folder.FilePath(QStringLiteral("backup"));
}

QStringList BackupFiles(const fixture::TBankFolder& folder)
{
    return QDir(BackupFolder(folder)).entryList(QDir::Files, QDir::Name);
}

// What opening a file with the given key reads: the question count and the learner's data, or
// SQLite's complaint.
QString Contents(const QString& path, const QByteArray& key = robust::BankKey)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (!key.isEmpty())
        sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    sqlite3_stmt* stmt = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db, "select count(*) from examdata", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        result = QStringLiteral("%1 questions").arg(sqlite3_column_int(stmt, 0));
    else
        result = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (result.endsWith(QLatin1String("questions")))
        result += QLatin1Char(' ') + robust::LearnerData(path).join(u',') + QLatin1Char(' ') +
                  robust::AnswerRecord(path).join(u',');
    return result;
}

QString IntegrityCheck(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_key(db, robust::BankKey.constData(), static_cast<int>(robust::BankKey.size()));
    sqlite3_stmt* stmt = nullptr;
    QString result = QString::fromUtf8(sqlite3_errmsg(db));
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

void AddAnswer(const QString& bank, int qid)
{
    robust::ExecOnBank(bank, QByteArray("insert into answerlog(qid, answered_at, answer, correct, "
                                        "mode) values(") +
                                 QByteArray::number(qid) + ", '2026-05-04 10:00:00', 'A', 1, 0)");
}

QString ErrorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const ESQLiteException& e) {
        return e.Message();
    }
    return QString();
}

// Backs up the bank for one day after another until it is killed.
int RunChild(const QString& folder)
{
    const QString bank = QDir(folder).filePath(QStringLiteral("Test.db"));
    for (QDate day = Day;; day = day.addDays(1))
        db::BackUpBank(bank, day);
}

} // namespace

class TestRobustBackup : public QObject
{
    Q_OBJECT

private slots:
    void namesTheBackupAfterTheBank_data()
    {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("backup");
        QTest::newRow("科目一") << "/home/a/Test.db"
                                << "/home/a/backup/Test-20260504.db";
        QTest::newRow("科目四") << "/home/a/Test4.db"
                                << "/home/a/backup/Test4-20260504.db";
        QTest::newRow("working folder") << "Test.db"
                                        << "backup/Test-20260504.db";
    }
    void namesTheBackupAfterTheBank()
    {
        QFETCH(QString, bank);
        QFETCH(QString, backup);
        QCOMPARE(QDir::cleanPath(db::BackupPath(bank, Day)), backup);
    }

    // The copy holds the whole bank with the learner's data, stays encrypted under the bank's
    // key, and is made once a day: later changes wait for the next day's copy.
    void copiesTheWholeBankEncryptedOnceADay()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        robust::StoreThreeScores(bank);
        AddAnswer(bank, 5);
        const QString before = Contents(bank);

        db::BackUpBank(bank, Day);
        const QString copy = db::BackupPath(bank, Day);
        QCOMPARE(BackupFiles(*folder), QStringList{"Test-20260504.db"});
        QCOMPARE(Contents(copy), before);
        QVERIFY(Contents(copy).contains("score ") && Contents(copy).contains("answer 5"));
        QCOMPARE(IntegrityCheck(copy), "ok");
        QVERIFY(!robust::FileBytes(copy).startsWith("SQLite format 3"));
        QVERIFY(Contents(copy, QByteArray()).endsWith("is not a database"));
        QVERIFY(Contents(copy, "tqwpzn").endsWith("is not a database"));

        AddAnswer(bank, 6);
        const QByteArray first = robust::FileBytes(copy);
        db::BackUpBank(bank, Day);
        QCOMPARE(robust::FileBytes(copy), first);
        db::BackUpBank(bank, Day.addDays(1));
        QCOMPARE(Contents(db::BackupPath(bank, Day.addDays(1))), Contents(bank));
        QCOMPARE(BackupFiles(*folder), (QStringList{"Test-20260504.db", "Test-20260505.db"}));
    }

    // Only the seven newest of a bank stay; another bank's backups and other files are left.
    void keepsTheSevenNewest()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        QVERIFY(QDir(folder->Path()).mkdir("backup"));
        for (const char* other : {"Test4-20200101.db", "notes.txt"})
            robust::WriteFileBytes(QDir(BackupFolder(*folder)).filePath(other), "kept");
        // Out of order, with a gap, as a learner who misses days starts the trainer.
        for (int offset : {3, 0, 1, 12, 5, 9, 2, 10, 4})
            db::BackUpBank(bank, Day.addDays(offset));
        QCOMPARE(BackupFiles(*folder),
                 (QStringList{"Test-20260506.db", "Test-20260507.db", "Test-20260508.db",
                              "Test-20260509.db", "Test-20260513.db", "Test-20260514.db",
                              "Test-20260516.db", "Test4-20200101.db", "notes.txt"}));
    }

    // A copy cut short never counts: its leftovers are removed, the day's backup is made anew,
    // and they never take a place among the seven.
    void aLeftoverCopyIsRemovedNeverKept()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        for (int offset = 0; offset < db::KeptBackups; ++offset)
            db::BackUpBank(bank, Day.addDays(offset));
        const QString today = db::BackupPath(bank, Day.addDays(10));
        robust::WriteFileBytes(today + ".part", robust::FileBytes(bank).left(3000));
        robust::WriteFileBytes(today + ".part-journal", "half");
        db::BackUpBank(bank, Day.addDays(10));
        QCOMPARE(BackupFiles(*folder).size(), db::KeptBackups);
        QVERIFY(BackupFiles(*folder).contains("Test-20260514.db"));
        QCOMPARE(IntegrityCheck(today), "ok");
        // A leftover beside a day that has its backup goes as well.
        robust::WriteFileBytes(today + ".part", "half");
        db::BackUpBank(bank, Day.addDays(10));
        QVERIFY(!BackupFiles(*folder).join(u',').contains(".part"));
    }

    // A backup that fails raises and leaves no file behind; a missing bank is not backed up.
    void aFailedBackupLeavesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("error");
        QTest::newRow("the folder cannot be made") << "folder"
                                                   << "Could not create the folder";
        QTest::newRow("another key") << "key"
                                     << "is not a database";
        QTest::newRow("no bank") << "missing"
                                 << "";
    }
    void aFailedBackupLeavesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, error);
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        db::CloseQuestionStore();
        const QString bank = folder->FilePath("Test.db");
        if (fault == "folder")
            robust::WriteFileBytes(BackupFolder(*folder), "a file where the folder goes");
        if (fault == "key")
            robust::ExecOnBank(bank, "PRAGMA rekey='other'");
        if (fault == "missing")
            QVERIFY(QFile::remove(bank));
        const QString raised = ErrorOf([&] { db::BackUpBank(bank, Day); });
        QVERIFY2(error.isEmpty() ? raised.isEmpty() : raised.contains(error), qPrintable(raised));
        QCOMPARE(BackupFiles(*folder), QStringList());
    }

    // The process killed at any moment of its backups: every file under a backup's name is a
    // whole bank, and the next backup clears what the killed one left.
    void killedDuringABackupLeavesNoHalfBackup()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        db::CloseQuestionStore();
        const QString bank = folder->FilePath("Test.db");
        const QString whole = Contents(bank);
        QRandomGenerator random(QRandomGenerator::global()->generate());
        int cutShort = 0;
        for (int round = 0; round < 6; ++round) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {"--child", folder->Path()});
            QVERIFY(child.waitForStarted());
            QThread::msleep(random.bounded(100, 1200));
            // Most of a backup's time is spent with its temporary file in place.
            QElapsedTimer waited;
            waited.start();
            while (!BackupFiles(*folder).join(u',').contains(".part") && waited.elapsed() < 5000)
                QThread::msleep(2);
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());
            if (BackupFiles(*folder).join(u',').contains(".part"))
                ++cutShort;
            for (const QString& name : BackupFiles(*folder)) {
                if (name.endsWith(".db")) {
                    const QString path = QDir(BackupFolder(*folder)).filePath(name);
                    QCOMPARE(IntegrityCheck(path), "ok");
                    QCOMPARE(Contents(path), whole);
                }
            }
        }
        QVERIFY2(cutShort > 0, "no round killed a backup in the middle");
        db::BackUpBank(bank, Day.addYears(1));
        const QStringList left = BackupFiles(*folder);
        QCOMPARE(left.filter(".part"), QStringList());
        QVERIFY(left.size() <= db::KeptBackups);
        QVERIFY(left.contains("Test-20270504.db"));
    }

    // The trainer's start: the first of the day copies the bank before anything is written.
    void theFirstStartOfADayBacksUpBeforeAnyWrite()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        const QString bank = folder->FilePath("Test.db");
        AddAnswer(bank, 1);
        const QString before = Contents(bank);
        fixture::TNotices notices;
        const QDateTime morning(Day, QTime(8, 0));
        {
            fixture::TMainWindow t(false, [&] { return morning; });
            QCOMPARE(Contents(db::BackupPath(bank, Day)), before);
            t.p.GiveAnswer("B");
        }
        const QByteArray copy = robust::FileBytes(db::BackupPath(bank, Day));
        {
            fixture::TMainWindow again(false, [&] { return morning.addSecs(3600); });
            again.p.GiveAnswer("B");
        }
        QCOMPARE(robust::FileBytes(db::BackupPath(bank, Day)), copy);
        {
            fixture::TMainWindow nextDay(false, [&] { return morning.addDays(1); });
        }
        QCOMPARE(robust::AnswerRecord(db::BackupPath(bank, Day.addDays(1))).size(), 3);
        QVERIFY(notices.shown.isEmpty());
    }

    // A backup that fails is told once, and the trainer goes on as if nothing had happened.
    void aFailedBackupIsToldAndTheTrainerGoesOn()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        robust::WriteFileBytes(BackupFolder(*folder), "a file where the folder goes");
        fixture::TNotices notices;
        fixture::TMainWindow t(false, [] { return QDateTime(Day, QTime(8, 0)); });
        QCOMPARE(notices.shown.size(), 1);
        QVERIFY(notices.shown[0].text.startsWith(
            QStringLiteral("今天的题库备份没有完成，练习照常进行，做题记录照常保存。\nCould "
                           "not create the folder")));
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计%1题)").arg(BankSize));
        t.p.GiveAnswer("A");
        QCOMPARE(robust::AnswerRecord(folder->FilePath("Test.db")).size(), 1);
        QCOMPARE(notices.shown.size(), 1);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return RunChild(QString::fromLocal8Bit(argv[2]));
    TestRobustBackup test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_robust_backup.moc"
