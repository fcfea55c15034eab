#include "AnswerLog.h"
#include "Db.h"
#include "Fixture.h"
#include "LearnerWrites.h"
#include "StudyData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <future>
#include <map>
#include <sqlcipher/sqlite3.h>
#include <thread>

namespace {

const QString Crlf = QStringLiteral("\r\n");

QString ExpectedText(int position, const bank::TQuestion& q)
{
    const QString gap = Crlf + Crlf;
    return QString::number(position) + "." + q.title + gap + q.a + gap + q.b + gap + q.c + gap +
           q.d;
}

int CountWhere(const std::vector<bank::TQuestion>& questions, bool (*keep)(const bank::TQuestion&))
{
    return static_cast<int>(std::count_if(questions.begin(), questions.end(), keep));
}

// The statements the store's connection compiles, as SQLite receives them.
class TStatementLog
{
public:
    TStatementLog()
    {
        sqlite3_trace_v2(db::GetQuestionStore().Handle(), SQLITE_TRACE_STMT, &Record, this);
    }
    ~TStatementLog() { sqlite3_trace_v2(db::GetQuestionStore().Handle(), 0, nullptr, nullptr); }
    QStringList statements;

private:
    static int Record(unsigned, void* self, void*, void* sql)
    {
        static_cast<TStatementLog*>(self)->statements
            << QString::fromUtf8(static_cast<const char*>(sql));
        return 0;
    }
};

// A bank whose chapters hold exactly the exam quotas, so that every paper holds all of it.
std::vector<bank::TQuestion> QuotaBank()
{
    const int quota[7] = {30, 20, 20, 10, 10, 5, 5};
    std::vector<bank::TQuestion> questions;
    int id = 1;
    for (int chapter = 1; chapter <= 7; ++chapter)
        for (int k = 0; k < quota[chapter - 1]; ++k, ++id)
            questions.push_back(fixture::ChoiceQuestion(id, chapter));
    questions[3].imgname = QStringLiteral("  tu4 ");
    return questions;
}

QString ErrorOf(void (*operation)())
{
    try {
        operation();
    } catch (const ESQLiteException& e) {
        return e.Message();
    }
    return QString();
}

void CountAll()
{
    db::CountQuestions(QString());
}

int CountTables(const char* name)
{
    return db::GetQuestionStore().CountRows(
        QStringLiteral("select 1 from sqlite_master where name='%1'").arg(QLatin1String(name)));
}

// A bank from before the answer record.
void DropAnswerLog()
{
    db::GetQuestionStore().ExecSQL(QStringLiteral("drop table answerlog"));
}

QStringList Rows(const std::vector<TAnswerRow>& log)
{
    QStringList rows;
    for (const TAnswerRow& r : log)
        rows << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(r.qid)
                    .arg(r.answeredAt, r.answer)
                    .arg(int(r.correct))
                    .arg(r.mode);
    return rows;
}

const TAnswerRow RightAnswer{
    .qid = 12, .answeredAt = "2026-03-01 08:00:05", .answer = "对", .correct = true, .mode = 2};
const TAnswerRow WrongAnswer{
    .qid = 3, .answeredAt = "2026-03-01 08:00:09", .answer = "B", .correct = false, .mode = 1};

// Another program holding a lock on the bank for a while, from a thread of its own, so that a
// write of this one can wait for it to end.
class TOtherProgram
{
public:
    TOtherProgram(const QString& bank, const char* begin, int holdMs)
    {
        std::promise<bool> locked;
        taken = locked.get_future();
        holder = std::thread([path = QFile::encodeName(bank), begin, holdMs,
                              locked = std::move(locked)]() mutable {
            sqlite3* other = nullptr;
            sqlite3_open(path.constData(), &other);
            sqlite3_key(other, "tqwpzn", 4);
            const bool ok = sqlite3_exec(other, begin, nullptr, nullptr, nullptr) == SQLITE_OK &&
                            sqlite3_exec(other, "select count(*) from examdata", nullptr, nullptr,
                                         nullptr) == SQLITE_OK;
            locked.set_value(ok);
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        });
    }
    ~TOtherProgram() { holder.join(); }
    bool Locked() { return taken.get(); }

private:
    std::future<bool> taken;
    std::thread holder;
};

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { bankFolder = fixture::FullBank(); }
    void cleanup() { bankFolder.reset(); }

    void countsTheChosenQuestions()
    {
        const auto& questions = bankFolder->Questions();
        QCOMPARE(db::CountQuestions(QString()), 1177);
        QCOMPARE(db::CountQuestions(QStringLiteral("where chapter=4")), 100);
        QCOMPARE(db::CountQuestions(QStringLiteral("where length(trim(a))=0")),
                 CountWhere(questions,
                            [](const bank::TQuestion& q) { return q.a.trimmed().isEmpty(); }));
        QCOMPARE(db::CountQuestions(QStringLiteral("where qhlx>100 and qhlx<=200")),
                 CountWhere(questions, [](const bank::TQuestion& q) {
                     return q.qhlx > 100 && q.qhlx <= 200;
                 }));
    }

    void loadsTheWholeBankInIdOrder()
    {
        examdata target(1177);
        {
            TStatementLog log;
            db::LoadQuestions(0, QStringLiteral("order by id asc "), QString(), target);
            QCOMPARE(log.statements, QStringList{"SELECT * FROM examdata order by id asc "});
        }
        const auto& questions = bankFolder->Questions();
        int trueFalse = 0;
        int blankOption = 0;
        for (size_t i = 0; i < questions.size(); ++i) {
            const bank::TQuestion& q = questions[i];
            const myRecord& r = target[i];
            QCOMPARE(r.id, q.id);
            QCOMPARE(r.question, ExpectedText(static_cast<int>(i) + 1, q));
            QCOMPARE(r.imgname, q.imgname.trimmed());
            QCOMPARE(r.result, q.result);
            QCOMPARE(r.style, q.a.isEmpty() ? 1 : 0);
            QVERIFY(r.answer.isEmpty());
            if (q.a.isEmpty()) {
                QVERIFY(r.question.endsWith(q.title + Crlf.repeated(8)));
                ++trueFalse;
            } else if (q.a.trimmed().isEmpty()) {
                QCOMPARE(r.style, 0);
                ++blankOption;
            }
        }
        QVERIFY(trueFalse > 0);
        QVERIFY(blankOption > 0);
        QVERIFY(std::any_of(questions.begin(), questions.end(), [](const bank::TQuestion& q) {
            return q.imgname != q.imgname.trimmed();
        }));
    }

    void loadsALimitedFilteredSetNumberedByPosition()
    {
        examdata target(5);
        target[4].id = -7;
        db::LoadQuestions(4, QStringLiteral("order by id desc"), QStringLiteral("where chapter=7"),
                          target);
        std::vector<bank::TQuestion> chapter7;
        for (const bank::TQuestion& q : bankFolder->Questions())
            if (q.chapter == 7)
                chapter7.insert(chapter7.begin(), q);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(target[i].id, chapter7[i].id);
            QVERIFY(
                target[i].question.startsWith(QString::number(i + 1) + "." + chapter7[i].title));
        }
        QCOMPARE(target[4].id, -7);
    }

    void readsNullAsEmpty()
    {
        const bank::TQuestion& q = bankFolder->Questions()[16];
        QVERIFY(!q.imgname.isEmpty());
        db::GetQuestionStore().ExecSQL(
            QStringLiteral("update examdata set b=NULL, imgname=NULL where id=%1").arg(q.id));
        examdata target(1);
        db::LoadQuestions(0, QString(), QStringLiteral("where id=%1").arg(q.id), target);
        bank::TQuestion withoutB = q;
        withoutB.b.clear();
        QCOMPARE(target[0].question, ExpectedText(1, withoutB));
        QCOMPARE(target[0].imgname, QString());
    }

    // A bank built before explanations loads as before, its questions without one.
    void readsTheExplanationWhereTheBankHasIt_data()
    {
        QTest::addColumn<bool>("withColumn");
        QTest::newRow("explain column") << true;
        QTest::newRow("bank without it") << false;
    }
    void readsTheExplanationWhereTheBankHasIt()
    {
        QFETCH(bool, withColumn);
        std::vector<bank::TQuestion> questions = QuotaBank();
        const QString text = QStringLiteral("先减速，\"再\"观察,\r\n第二行");
        questions[1].explain = text;
        bankFolder = fixture::SmallBank(questions);
        if (!withColumn)
            fixture::RemoveExplainColumn(*bankFolder);
        const QString expected = withColumn ? text : QString();

        examdata target(2);
        db::LoadQuestions(2, QStringLiteral("order by id"), QString(), target);
        QCOMPARE(target[0].explain, QString());
        QCOMPARE(target[1].explain, expected);
        QCOMPARE(target[1].id, 2);

        examdata paper(100);
        QCOMPARE(db::LoadExamPaper(paper), 100);
        const auto second =
            std::find_if(paper.begin(), paper.end(), [](const myRecord& r) { return r.id == 2; });
        QVERIFY(second != paper.end());
        QCOMPARE(second->explain, expected);
    }

    void examPaperDrawsTheQuotasShuffled()
    {
        std::map<int, int> chapterOfId;
        for (const bank::TQuestion& q : bankFolder->Questions())
            chapterOfId[q.id] = q.chapter;
        examdata paper(100);
        db::LoadExamPaper(paper);
        std::map<int, int> perChapter;
        QSet<int> ids;
        std::vector<int> chapters;
        for (const myRecord& r : paper) {
            QVERIFY(chapterOfId.count(r.id));
            ids.insert(r.id);
            chapters.push_back(chapterOfId[r.id]);
            ++perChapter[chapterOfId[r.id]];
        }
        QCOMPARE(ids.size(), 100);
        QCOMPARE(perChapter,
                 (std::map<int, int>{{1, 30}, {2, 20}, {3, 20}, {4, 10}, {5, 10}, {6, 5}, {7, 5}}));
        QVERIFY(!std::is_sorted(chapters.begin(), chapters.end()));
        QVERIFY(!std::is_sorted(chapters.rbegin(), chapters.rend()));
    }

    void examPaperKeepsBlanksAroundThePictureName()
    {
        bankFolder =
            fixture::SmallBank(QuotaBank(), {{QStringLiteral("tu4"), fixture::PngPicture()}});
        examdata paper(100);
        db::LoadExamPaper(paper);
        const auto withPicture =
            std::find_if(paper.begin(), paper.end(), [](const myRecord& r) { return r.id == 4; });
        QVERIFY(withPicture != paper.end());
        QCOMPARE(withPicture->imgname, QStringLiteral("  tu4 "));
        examdata practice(1);
        db::LoadQuestions(0, QString(), QStringLiteral("where id=4"), practice);
        QCOMPARE(practice[0].imgname, QStringLiteral("tu4"));
    }

    void updatesErrorMarks()
    {
        const int marked = CountWhere(bankFolder->Questions(),
                                      [](const bank::TQuestion& q) { return q.iserror == 1; });
        QVERIFY(marked > 0);
        const int id = bankFolder->Questions()[0].id;
        db::UpdateQuestions(QStringLiteral("where id=%1").arg(id), QStringLiteral("set iserror=1"));
        QCOMPARE(db::CountQuestions(QStringLiteral("where iserror=1")), marked + 1);
        TStatementLog log;
        db::UpdateQuestions(QString(), QStringLiteral("set iserror=0"));
        QCOMPARE(log.statements, QStringList{"update examdata set iserror=0 "});
        QCOMPARE(db::CountQuestions(QStringLiteral("where iserror=1")), 0);
    }

    void keepsTheLatestScores()
    {
        TStatementLog log;
        for (int score : {80, 95, 100})
            db::InsertScore(QStringLiteral("score,dateline"),
                            QStringLiteral("%1,'2024-05-0%2 10:00:00'").arg(score).arg(score % 7));
        QCOMPARE(log.statements.first(),
                 "insert INTO scoredata ( score,dateline ) values ( 80,'2024-05-03 10:00:00' )");
        scoredata latest(5);
        db::LoadLatestScores(latest);
        QCOMPARE(log.statements.last(), "SELECT * FROM scoredata order by id desc limit 5");
        const QStringList scores{"100", "95", "80"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(latest[i].id, i + 1);
            QCOMPARE(latest[i].score, scores[i]);
        }
        QCOMPARE(latest[0].dateline, QStringLiteral("2024-05-02 10:00:00"));
        QCOMPARE(latest[3].id, 0);
        QCOMPARE(latest[4].id, 0);

        db::DeleteAllScores();
        QCOMPARE(log.statements.last(), " delete from scoredata ");
        scoredata none(5);
        db::LoadLatestScores(none);
        QCOMPARE(none[0].id, 0);
    }

    void readsEveryScoreAndEveryQuestionsPlaceForTheReport()
    {
        QVERIFY(db::LoadAllScores().empty());
        // More than the five of the score list, in an id order that is not the date order.
        for (int score : {70, 95, 100, 88, 90, 61})
            db::InsertScore(QStringLiteral("score,dateline"),
                            QStringLiteral("%1,'2024-05-%2 10:00:00'")
                                .arg(score)
                                .arg(score % 28 + 1, 2, 10, QLatin1Char('0')));
        const std::vector<TScorePoint> scores = db::LoadAllScores();
        QCOMPARE(scores.size(), size_t(6));
        QCOMPARE(scores.front().score, 70);
        QCOMPARE(scores.front().dateline, QStringLiteral("2024-05-15 10:00:00"));
        QCOMPARE(scores.back().score, 61);

        std::map<int, bool> marked;
        for (const bank::TQuestion& q : bankFolder->Questions())
            marked[q.id] = q.iserror == 1;
        const bank::TQuestion& added = bankFolder->Questions()[400];
        QVERIFY(!marked[added.id]);
        marked[added.id] = true;
        db::UpdateQuestions(QStringLiteral("where id=%1").arg(added.id),
                            QStringLiteral("set iserror=1"));
        const std::vector<TQuestionTag> tags = db::LoadQuestionTags();
        QCOMPARE(tags.size(), bankFolder->Questions().size());
        std::map<int, int> perChapter;
        for (const TQuestionTag& t : tags) {
            ++perChapter[t.chapter];
            QCOMPARE(t.inErrorBook, marked.at(t.id));
        }
        QCOMPARE(perChapter,
                 (std::map<int, int>{
                     {1, 360}, {2, 229}, {3, 237}, {4, 100}, {5, 142}, {6, 60}, {7, 49}}));
    }

    void buildsTheStatementTexts_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("sql");
        QTest::newRow("whole bank") << 0 << "order by id asc "
                                    << ""
                                    << "SELECT * FROM examdata order by id asc ";
        QTest::newRow("count") << 0 << ""
                               << "where chapter=4"
                               << "SELECT * FROM examdata where chapter=4";
        QTest::newRow("chapter")
            << 237 << "order by random()"
            << "where chapter=3"
            << "SELECT * FROM examdata where chapter=3 order by random() limit 237";
        QTest::newRow("bank")
            << 100 << "order by qhlx"
            << "where qhlx>0 and qhlx<=100"
            << "SELECT * FROM examdata where qhlx>0 and qhlx<=100 order by qhlx limit 100";
    }
    void buildsTheStatementTexts()
    {
        QFETCH(int, limit);
        QFETCH(QString, order);
        QFETCH(QString, where);
        QFETCH(QString, sql);
        QCOMPARE(db::SelectQuestionsSql(limit, order, where), sql);
    }

    void examPaperStatement()
    {
        QCOMPARE(QString::fromLatin1(db::ExamPaperSql),
                 " select * from (  select * from (select * from examdata where chapter=1 order by "
                 "random() limit 30)  "
                 " union all select * from (select * from examdata where chapter=2 order by "
                 "random() limit 20)"
                 " union all select * from (select * from examdata where chapter=3 order by "
                 "random() limit 20)"
                 " union all select * from (select * from examdata where chapter=4 order by "
                 "random() limit 10)"
                 " union all select * from (select * from examdata where chapter=5 order by "
                 "random() limit 10)"
                 " union all select * from (select * from examdata where chapter=6 order by "
                 "random() limit 5)"
                 " union all select * from (select * from examdata where chapter=7 order by "
                 "random() limit 5)"
                 " ) order by random()");
    }

    void reportsSqlErrors()
    {
        try {
            db::CountQuestions(QStringLiteral("wher chapter=1"));
            QFAIL("no error");
        } catch (const ESQLiteException& e) {
            QCOMPARE(e.Message(),
                     "Error executing SQL.\rError [1]: SQL error or missing database.\r"
                     "\"SELECT * FROM examdata wher chapter=1\": near \"chapter\": syntax error");
        }
        db::GetQuestionStore().ExecSQL(QStringLiteral("DROP TABLE examdata"));
        QCOMPARE(ErrorOf(CountAll),
                 "Error executing SQL.\rError [1]: SQL error or missing database.\r"
                 "\"SELECT * FROM examdata\": no such table: examdata");
    }

    void reportsAnIdThatIsNoInteger_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("message");
        QTest::newRow("text") << "'x'"
                              << "''x'' is not a valid integer value";
        QTest::newRow("null") << "NULL"
                              << "'''' is not a valid integer value";
    }
    void reportsAnIdThatIsNoInteger()
    {
        QFETCH(QString, id);
        QFETCH(QString, message);
        TSQLiteDatabase& store = db::GetQuestionStore();
        store.ExecSQL(QStringLiteral("DROP TABLE examdata"));
        store.ExecSQL(QStringLiteral(
            "CREATE TABLE examdata(id TEXT, title TEXT, a TEXT, b TEXT, c TEXT, d TEXT, "
            "imgname TEXT, result TEXT, chapter INTEGER, item INTEGER, difficult INTEGER, "
            "qhlx INTEGER, iserror INTEGER)"));
        store.ExecSQL(
            QStringLiteral(
                "INSERT INTO examdata(id, title, result, chapter) VALUES(%1, 't', '对', 1)")
                .arg(id));
        examdata target(1);
        try {
            db::LoadQuestions(0, QString(), QString(), target);
            QFAIL("no error");
        } catch (const ESQLiteException& e) {
            QCOMPARE(e.Message(), message);
        }
    }

    void reportsABankUnderAnotherKey()
    {
        db::CloseQuestionStore();
        QVERIFY(QFile::remove(bankFolder->FilePath("Test.db")));
        sqlite3* other = nullptr;
        QCOMPARE(
            sqlite3_open(QFile::encodeName(bankFolder->FilePath("Test.db")).constData(), &other),
            SQLITE_OK);
        sqlite3_key(other, "abcd", 4);
        QCOMPARE(sqlite3_exec(other, "CREATE TABLE examdata(id INTEGER PRIMARY KEY)", nullptr,
                              nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(other);
        QCOMPARE(ErrorOf(CountAll),
                 "Error executing SQL.\rError [26]: File opened that is not a database file.\r"
                 "\"SELECT * FROM examdata\": file is encrypted or is not a database");
    }

    void reportsAMissingBankWithoutCreatingIt()
    {
        bankFolder = fixture::EmptyFolder();
        QCOMPARE(ErrorOf(CountAll),
                 "Failed to open database \"Test.db\" : unable to open database file");
        QVERIFY(!QFile::exists(bankFolder->FilePath("Test.db")));
    }

    // Root writes through file permissions, so the bank is made unwritable another way: once the
    // file has been moved away under the open connection, SQLite refuses every write with code 8.
    void reportsWritesOnAReadOnlyBank()
    {
        QCOMPARE(db::CountQuestions(QString()), 1177);
        QVERIFY(QFile::rename(bankFolder->FilePath("Test.db"), bankFolder->FilePath("Moved.db")));
        try {
            db::UpdateQuestions(QStringLiteral("where id=1"), QStringLiteral("set iserror=1"));
            QFAIL("no error");
        } catch (const ESQLiteException& e) {
            QCOMPARE(
                e.Message(),
                "Error executing SQL statement.\rError [8]: Attempt to write a readonly database.\r"
                "\"update examdata set iserror=1 where id=1\": attempt to write a readonly "
                "database");
        }
    }

    void answerRecordIsCreatedByItsFirstWrite()
    {
        DropAnswerLog();
        TStatementLog log;
        QVERIFY(db::LoadAnswerLog().empty());
        QCOMPARE(CountTables("answerlog"), 0);
        QCOMPARE(
            log.statements.filter(QRegularExpression(QStringLiteral("^(begin|create|insert)"),
                                                     QRegularExpression::CaseInsensitiveOption)),
            QStringList());

        db::InsertAnswer(RightAnswer);
        db::InsertAnswer(WrongAnswer);
        QCOMPARE(CountTables("answerlog"), 1);
        QCOMPARE(CountTables("answerlog_qid"), 1);
        QCOMPARE(Rows(db::LoadAnswerLog()),
                 (QStringList{"12 2026-03-01 08:00:05 对 1 2", "3 2026-03-01 08:00:09 B 0 1"}));
        QVERIFY(!log.statements.filter(QStringLiteral("values(?, ?, ?, ?, ?)")).isEmpty());
        const auto stored = db::GetQuestionStore().GetTable(
            QStringLiteral("select answer from answerlog where answer='对'"));
        QCOMPARE(stored->RowCount(), 1);
    }

    // A denied insert fails after the table was created in the same transaction.
    void aFailedRecordWriteLeavesNothing()
    {
        DropAnswerLog();
        auto denyInserts = [](void*, int action, const char* table, const char*, const char*,
                              const char*) {
            return action == SQLITE_INSERT && QByteArray(table) == "answerlog" ? SQLITE_DENY
                                                                               : SQLITE_OK;
        };
        sqlite3_set_authorizer(db::GetQuestionStore().Handle(), denyInserts, nullptr);
        QVERIFY(!ErrorOf([] { db::InsertAnswer(RightAnswer); }).isEmpty());
        sqlite3_set_authorizer(db::GetQuestionStore().Handle(), nullptr, nullptr);
        QCOMPARE(CountTables("answerlog"), 0);
        db::InsertAnswer(WrongAnswer);
        QCOMPARE(db::LoadAnswerLog().size(), size_t(1));
    }

    void aFailedRecordWriteTellsNothingOfTheAnswer_data()
    {
        QTest::addColumn<bool>("withTable");
        QTest::newRow("table present") << true;
        QTest::newRow("table missing") << false;
    }

    void aFailedRecordWriteTellsNothingOfTheAnswer()
    {
        QFETCH(bool, withTable);
        if (!withTable)
            DropAnswerLog();
        QCOMPARE(db::CountQuestions(QString()), 1177);
        QVERIFY(QFile::rename(bankFolder->FilePath("Test.db"), bankFolder->FilePath("Moved.db")));
        const QString right = ErrorOf([] { db::InsertAnswer(RightAnswer); });
        QVERIFY(right.contains("Attempt to write a readonly database"));
        QCOMPARE(ErrorOf([] { db::InsertAnswer(WrongAnswer); }), right);
        QVERIFY(!right.contains(QStringLiteral("对")));
    }

    // Another program's lock: the error book's write is refused at once as it always was, the
    // answer record's write waits for the lock to end and goes through, and the wait does not
    // outlive that write.
    void recordWritesWaitForAnotherProgramsLock_data()
    {
        QTest::addColumn<QByteArray>("begin");
        QTest::newRow("a writer") << QByteArray("BEGIN EXCLUSIVE");
        QTest::newRow("a reader") << QByteArray("BEGIN");
    }

    void recordWritesWaitForAnotherProgramsLock()
    {
        QFETCH(QByteArray, begin);
        const QString bank = bankFolder->FilePath("Test.db");
        // The bank already read, as the trainer has it when the learner answers.
        QCOMPARE(db::CountQuestions(QString()), 1177);
        for (const TAnswerRow& row : {RightAnswer, WrongAnswer}) {
            TOtherProgram other(bank, begin.constData(), 700);
            QVERIFY(other.Locked());
            QCOMPARE(ErrorOf([] {
                         db::UpdateQuestions(QStringLiteral("where id=1"),
                                             QStringLiteral("set iserror=1"));
                     }),
                     "Error executing SQL statement.\rError [5]: The database file is locked.\r"
                     "\"update examdata set iserror=1 where id=1\": database is locked");
            db::InsertAnswer(row);
        }
        QCOMPARE(db::LoadAnswerLog().size(), size_t(2));
    }

    // A lock that outlasts the wait: the record's write gives up with the lock's report and
    // leaves nothing behind; once the lock is gone the next one goes through.
    void aRecordWriteGivesUpOnALongLock()
    {
        {
            TOtherProgram other(bankFolder->FilePath("Test.db"), "BEGIN EXCLUSIVE",
                                db::LearnerWriteWaitMs + 1500);
            QVERIFY(other.Locked());
            const QString error = ErrorOf([] { db::InsertAnswer(RightAnswer); });
            QVERIFY2(error.contains("Error [5]: The database file is locked"), qPrintable(error));
        }
        QVERIFY(db::LoadAnswerLog().empty());
        db::InsertAnswer(WrongAnswer);
        QCOMPARE(Rows(db::LoadAnswerLog()), QStringList{"3 2026-03-01 08:00:09 B 0 1"});
    }

    // The first failure of each run of failures is handed back, so a learner hears when writing
    // stops and again when it stops once more after it had recovered.
    void failureRunsReportTheFirstOfEachRun()
    {
        db::TFailureRuns runs;
        const QString outcomes = QStringLiteral("xxx.x.xx..x");
        QString reported;
        for (QChar outcome : outcomes) {
            const std::optional<ESQLiteException> failure = runs.Attempt([outcome] {
                if (outcome == u'x')
                    throw ESQLiteException(QStringLiteral("refused"));
            });
            reported += failure ? u'!' : u'-';
        }
        QCOMPARE(reported, QStringLiteral("!---!-!---!"));
    }

    void opensOnlyWithTheFourByteKey()
    {
        const QString sqlcipher = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (sqlcipher.isEmpty())
            QSKIP("the sqlcipher command is not installed");
        auto run = [&](const QByteArray& script) {
            QProcess p;
            p.start(sqlcipher, {bankFolder->FilePath("Test.db")});
            p.write(script);
            p.closeWriteChannel();
            p.waitForFinished();
            return p.readAllStandardOutput() + p.readAllStandardError();
        };
        QCOMPARE(run("PRAGMA key='tqwp';\nSELECT count(*) FROM examdata;\n").trimmed(),
                 QByteArray("1177"));
        QVERIFY(run("SELECT count(*) FROM examdata;\n").contains("not a database"));
        QVERIFY(run("PRAGMA key='tqwpzn';\nSELECT count(*) FROM examdata;\n")
                    .contains("not a database"));
    }

private:
    std::unique_ptr<fixture::TBankFolder> bankFolder;
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
