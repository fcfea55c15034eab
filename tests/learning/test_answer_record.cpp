#include "AnswerLog.h"
#include "Db.h"
#include "Fixture.h"
#include "MainWindow.h"
#include "TestNotices.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <sqlcipher/sqlite3.h>

// The answer record as the learner fills it: one row for every answer given by a button or a
// key, written before the handler returns, never for the judgement shown again on display.
namespace {

// The rows as another connection sees them: only what has reached the file.
QStringList RowsOnDisk(const QString& bank)
{
    QStringList rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(bank).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_key(db, "tqwpzn", 4);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select qid, answered_at, correct, mode from answerlog order by id",
                           -1, &stmt, nullptr) == SQLITE_OK)
        while (sqlite3_step(stmt) == SQLITE_ROW)
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(sqlite3_column_int(stmt, 0))
                        .arg(QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))))
                        .arg(sqlite3_column_int(stmt, 2))
                        .arg(sqlite3_column_int(stmt, 3));
    else
        rows << QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

const QDateTime Now(QDate(2026, 5, 4), QTime(9, 15, 30));

// The window on its first practice, without the move after an answer, at a fixed time.
struct TWindow : fixture::TMainWindow
{
    TWindow() : TMainWindow(false, [] { return Now; }) {}
};

} // namespace

class TestAnswerRecord : public QObject
{
    Q_OBJECT

private slots:
    void recordsButtonAndKeyAnswers_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("mode");
        QTest::newRow("practice") << "BtnOrder" << 0;
        QTest::newRow("error book") << "BtnError" << 1;
        QTest::newRow("handed-in mock exam") << "exam" << 2;
    }

    void recordsButtonAndKeyAnswers()
    {
        QFETCH(QString, start);
        QFETCH(int, mode);
        auto bank = fixture::SmallBank(fixture::Choices(3, 3));
        fixture::TNotices notices;
        TWindow t;
        // The review of a handed-in paper: its answers are kept at once.
        if (start == "exam") {
            t.p.ExamMode = true;
            t.p.ExamSubmitted = true;
        } else
            t.w.findChild<QPushButton*>(start)->click();
        const int first = t.p.Current()->id;
        QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
        const QStringList afterButton = RowsOnDisk(bank->FilePath("Test.db"));
        t.c.BtnNext->click();
        const int second = t.p.Current()->id;
        t.p.FormKeyUp(t.p.KeyB);

        const QString at = Now.toString("yyyy-MM-dd HH:mm:ss");
        const QString firstRow = QStringLiteral("%1 %2 1 %3").arg(first).arg(at).arg(mode);
        QCOMPARE(afterButton, QStringList{firstRow});
        QCOMPARE(
            RowsOnDisk(bank->FilePath("Test.db")),
            (QStringList{firstRow, QStringLiteral("%1 %2 0 %3").arg(second).arg(at).arg(mode)}));
        QCOMPARE(db::LoadAnswerLog().back().answer, QStringLiteral("B"));
        QVERIFY(notices.shown.isEmpty());
    }

    void displayAndNavigationRecordNothing()
    {
        auto bank = fixture::SmallBank(fixture::Choices(12));
        fixture::TNotices notices;
        TWindow t;
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        t.c.BtnNext->click();
        t.c.BtnPre->click(); // shows the answered question, judged again
        t.c.BtnSelect->click();
        t.c.BtnSelect->click();
        t.p.GrdClickCell(1, 1);
        t.p.GrdClickCell(0, 0);
        t.p.FormKeyUp(t.p.KeyNext);
        t.p.FormKeyUp(t.p.KeyPrev);
        t.c.BtnRandom->click();
        QCOMPARE(RowsOnDisk(bank->FilePath("Test.db")).size(), 1);
    }

    void anOlderBankGetsTheRecordAtTheFirstAnswer()
    {
        auto bank = fixture::SmallBank(fixture::Choices(3));
        db::GetQuestionStore().ExecSQL("drop table answerlog");
        fixture::TNotices notices;
        TWindow t;
        auto tables = [] {
            return db::GetQuestionStore().CountRows(
                "select 1 from sqlite_master where name in ('answerlog', 'answerlog_qid')");
        };
        QCOMPARE(tables(), 0); // the window read the record and wrote nothing
        QTest::mouseClick(t.c.BtnC, Qt::LeftButton);
        QCOMPARE(tables(), 2);
        QCOMPARE(RowsOnDisk(bank->FilePath("Test.db")).size(), 1);
        QVERIFY(notices.shown.isEmpty());
    }

    // A bank moved away under the open connection refuses every write; in an exam the error
    // marks are held for the submission, and the report must not depend on the judgement. An
    // exam's answers are written at the submission, which hands the refusal back to be told
    // after the result.
    void anUnwritableBankIsReportedOnceARun_data()
    {
        QTest::addColumn<bool>("exam");
        QTest::addColumn<QString>("answers");
        QTest::newRow("practice, right first") << false << "AAA";
        QTest::newRow("exam, right first") << true << "ABA";
        QTest::newRow("exam, wrong first") << true << "BAB";
    }

    void anUnwritableBankIsReportedOnceARun()
    {
        QFETCH(bool, exam);
        QFETCH(QString, answers);
        auto bank = fixture::SmallBank(fixture::Choices(3));
        fixture::TNotices notices;
        TWindow t;
        t.p.ExamMode = exam;
        QVERIFY(QFile::rename(bank->FilePath("Test.db"), bank->FilePath("Moved.db")));
        for (QChar answer : answers) {
            if (t.p.AnsweredCount > 0)
                t.c.BtnNext->click();
            t.p.GiveAnswer(answer);
        }
        QStringList told = notices.Texts();
        if (exam) {
            QVERIFY(told.isEmpty());
            const std::optional<ESQLiteException> refused = t.p.HandIn();
            QVERIFY(refused);
            told << platform::Notices::ErrorReportText(refused->Message());
            QVERIFY(!t.p.HandIn());
        }
        QCOMPARE(told,
                 QStringList{"Error executing SQL statement.\rError [8]: Attempt to write a "
                             "readonly database.\r\"insert into answerlog(qid, answered_at, "
                             "answer, correct, mode) values(?, ?, ?, ?, ?)\": attempt to write a "
                             "readonly database."});
        QCOMPARE(t.p.AnsweredCount, 3);
        QCOMPARE(t.p.CurrentNo, 3);
    }
    // Writing that stops, recovers and stops again is told at each stop, once.
    void aRecordThatStopsAgainIsReportedAgain()
    {
        auto bank = fixture::SmallBank(fixture::Choices(8));
        fixture::TNotices notices;
        TWindow t;
        auto refuse = [](bool on) {
            db::GetQuestionStore().ExecSQL(
                on ? QStringLiteral("create trigger refuse before insert on answerlog begin "
                                    "select raise(abort, 'refused'); end")
                   : QStringLiteral("drop trigger refuse"));
        };
        // Each step: the record refused (x) or taken (.) at that answer.
        const QString steps = QStringLiteral("xx..xx.x");
        QStringList reportedAt;
        for (int i = 0; i < steps.size(); ++i) {
            const bool refused = steps[i] == u'x';
            if (refused != (i > 0 && steps[i - 1] == u'x'))
                refuse(refused);
            if (i > 0)
                t.c.BtnNext->click();
            const qsizetype before = notices.shown.size();
            t.p.GiveAnswer(QStringLiteral("A"));
            if (notices.shown.size() > before)
                reportedAt << QString::number(i);
        }
        QCOMPARE(reportedAt, (QStringList{"0", "4", "7"}));
        QVERIFY(notices.Texts().constFirst().contains("refused"));
        QCOMPARE(RowsOnDisk(bank->FilePath("Test.db")).size(), 3);
    }
};

QTEST_MAIN(TestAnswerRecord)
#include "test_answer_record.moc"
