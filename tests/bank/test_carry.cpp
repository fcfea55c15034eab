#include "BankCarry.h"
#include "BankError.h"
#include "BankFiles.h"
#include "BankWriter.h"
#include "Fixture.h"
#include "Sqlite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A new bank from the school takes over the learner's record of the old one for the questions
// both hold; the old bank is only read, and carrying again adds nothing.
namespace {

// Questions with these ids, all in chapter 1; the new bank lacks 5 and 6 and adds 7 and 8.
std::vector<bank::TQuestion> Questions(std::initializer_list<int> ids)
{
    std::vector<bank::TQuestion> questions;
    for (int id : ids)
        questions.push_back(fixture::ChoiceQuestion(id, 1));
    return questions;
}

class TBanks
{
public:
    TBanks()
    {
        bank::WriteBank(OldDir(), Questions({1, 2, 3, 4, 5, 6}), {});
        bank::WriteBank(NewDir(), Questions({1, 2, 3, 4, 7, 8}), {});
    }
    QString OldDir() const { return dir.filePath("old"); }
    QString NewDir() const { return dir.filePath("new"); }
    QString OldBank() const { return QDir(OldDir()).filePath(bank::QuestionsFile); }
    QString NewBank() const { return QDir(NewDir()).filePath(bank::QuestionsFile); }

private:
    QTemporaryDir dir;
};

void Exec(const QString& path, const char* sql)
{
    bank::TConnection db(path, bank::TConnection::Mode::ReadWrite, bank::QuestionsKey);
    db.Exec(sql);
}

// The learner's part of a bank as text: marks, scores, answers, plan.
QStringList Record(const QString& path)
{
    bank::TConnection db(path, bank::TConnection::Mode::ReadOnly, bank::QuestionsKey);
    QStringList rows;
    auto read = [&](const char* prefix, const char* sql) {
        bank::TStatement s(db, sql);
        while (s.Step())
            rows << QString::fromLatin1(prefix) + QString::fromUtf8(s.Bytes(0));
    };
    read("mark ", "SELECT id FROM examdata WHERE iserror=1 ORDER BY id");
    read("score ", "SELECT score || ' ' || dateline FROM scoredata ORDER BY id");
    read("answer ", "SELECT qid || ' ' || answered_at || ' ' || answer || ' ' || correct || ' ' "
                    "|| mode FROM answerlog ORDER BY id");
    bank::TStatement plan(db, "SELECT 1 FROM sqlite_master WHERE name='studyplan'");
    if (plan.Step())
        read("plan ", "SELECT name || '=' || value FROM studyplan ORDER BY name");
    return rows;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A learner part-way through: marks on 1, 2 and 5, three exams (two alike), answers to 1, 3,
// 5 and 6, an exam date.
void FillOldRecord(const QString& oldBank)
{
    Exec(oldBank, "UPDATE examdata SET iserror=1 WHERE id IN (1, 2, 5);"
                  "INSERT INTO scoredata(score, dateline) VALUES(85, '2026-05-01 09:00:00'), "
                  "(92, '2026-05-02'), (92, '2026-05-02');"
                  "INSERT INTO answerlog(qid, answered_at, answer, correct, mode) VALUES"
                  "(1, '2026-05-01 08:00:00', 'B', 0, 0), (5, '2026-05-01 08:00:10', 'A', 1, 0),"
                  "(3, '2026-05-01 08:00:20', 'A', 1, 2), (6, '2026-05-01 08:00:30', 'C', 0, 1),"
                  "(6, '2026-05-01 08:00:40', 'A', 1, 1), (1, '2026-05-02 08:00:00', 'A', 1, 0);"
                  "INSERT INTO studyplan VALUES('exam_date', '2026-06-01');");
}

const QStringList CarriedRecord{"mark 1",
                                "mark 2",
                                "score 85 2026-05-01 09:00:00",
                                "score 92 2026-05-02",
                                "score 92 2026-05-02",
                                "answer 1 2026-05-01 08:00:00 B 0 0",
                                "answer 3 2026-05-01 08:00:20 A 1 2",
                                "answer 1 2026-05-02 08:00:00 A 1 0",
                                "plan exam_date=2026-06-01"};

} // namespace

class TestCarry : public QObject
{
    Q_OBJECT

private slots:
    void carriesTheRecordOfTheQuestionsTheNewBankHolds()
    {
        TBanks banks;
        FillOldRecord(banks.OldBank());
        const QByteArray oldBytes = Bytes(banks.OldBank());
        const bank::TCarryReport first = bank::CarryRecord(banks.OldBank(), banks.NewBank());
        QCOMPARE(Record(banks.NewBank()), CarriedRecord);
        QCOMPARE(first.marks, 2);
        QCOMPARE(first.scores, 3);
        QCOMPARE(first.answers, 3);
        QCOMPARE(first.plan, 1);
        QCOMPARE(first.droppedIds, (std::vector<int>{5, 6}));
        QCOMPARE(first.droppedMarks, 1);
        QCOMPARE(first.droppedAnswers, 3);
        QCOMPARE(Bytes(banks.OldBank()), oldBytes);

        const bank::TCarryReport second = bank::CarryRecord(banks.OldBank(), banks.NewBank());
        QCOMPARE(Record(banks.NewBank()), CarriedRecord);
        QCOMPARE(second.marks + second.scores + second.answers + second.plan, 0);
        QCOMPARE(second.droppedIds, first.droppedIds);
        QCOMPARE(Bytes(banks.OldBank()), oldBytes);
    }

    // What the new bank holds of its own stays, and only what it lacks comes across.
    void keepsWhatTheNewBankHolds()
    {
        TBanks banks;
        FillOldRecord(banks.OldBank());
        Exec(banks.NewBank(), "UPDATE examdata SET iserror=1 WHERE id=7;"
                              "INSERT INTO scoredata(score, dateline) VALUES(92, '2026-05-02');"
                              "INSERT INTO studyplan VALUES('exam_date', '2026-07-01');");
        const bank::TCarryReport r = bank::CarryRecord(banks.OldBank(), banks.NewBank());
        QCOMPARE(r.marks, 2);
        QCOMPARE(r.scores, 2);
        QCOMPARE(r.plan, 0);
        const QStringList record = Record(banks.NewBank());
        QCOMPARE(record.filter("mark "), (QStringList{"mark 1", "mark 2", "mark 7"}));
        QCOMPARE(record.filter("score "),
                 (QStringList{"score 92 2026-05-02", "score 85 2026-05-01 09:00:00",
                              "score 92 2026-05-02"}));
        QCOMPARE(record.filter("plan "), QStringList{"plan exam_date=2026-07-01"});
    }

    // A bank from before the answer record and the plan hands on its marks and scores.
    void anOlderBankHandsOnWhatItHas()
    {
        TBanks banks;
        Exec(banks.OldBank(),
             "DROP TABLE answerlog; DROP TABLE studyplan; UPDATE examdata SET iserror=1 WHERE id=6;"
             "INSERT INTO scoredata(score, dateline) VALUES(70, '2026-04-01')");
        const bank::TCarryReport r = bank::CarryRecord(banks.OldBank(), banks.NewBank());
        QCOMPARE(Record(banks.NewBank()), QStringList{"score 70 2026-04-01"});
        QCOMPARE(r.droppedIds, std::vector<int>{6});
        QCOMPARE(r.droppedAnswers, 0);
    }

    // A bank that cannot be read leaves the new one as it was.
    void aFaultyOldBankChangesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("error");
        QTest::newRow("another key") << "key"
                                     << "is not a database";
        QTest::newRow("missing") << "missing"
                                 << "old/Test.db: no such file";
    }
    void aFaultyOldBankChangesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, error);
        TBanks banks;
        FillOldRecord(banks.OldBank());
        if (fault == "key")
            Exec(banks.OldBank(), "PRAGMA rekey='other'");
        else
            QVERIFY(QFile::remove(banks.OldBank()));
        const QByteArray newBytes = Bytes(banks.NewBank());
        try {
            bank::CarryRecord(banks.OldBank(), banks.NewBank());
            QFAIL("no error");
        } catch (const bank::EBankError& e) {
            QVERIFY2(e.Message().contains(error), qPrintable(e.Message()));
        }
        QCOMPARE(Bytes(banks.NewBank()), newBytes);
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("bankFile");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("科目一") << "Test.db" << QStringList{};
        QTest::newRow("科目四") << "Test4.db" << QStringList{"--subject", "4"};
    }
    void commandLine()
    {
        QFETCH(QString, bankFile);
        QFETCH(QStringList, options);
        TBanks banks;
        FillOldRecord(banks.OldBank());
        if (bankFile != bank::QuestionsFile)
            for (const QString& dir : {banks.OldDir(), banks.NewDir()})
                QVERIFY(QFile::rename(QDir(dir).filePath(bank::QuestionsFile),
                                      QDir(dir).filePath(bankFile)));
        auto run = [&] {
            QProcess tool;
            tool.start(JIAKAO_BANK_EXE,
                       QStringList{"carry", banks.OldDir(), banks.NewDir()} + options);
            tool.waitForFinished();
            return QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError())
                .replace(banks.NewDir(), "NEW");
        };
        QCOMPARE(run(), QStringLiteral("carried into NEW/%1: 2 error marks, 3 scores, 3 answers, 1 "
                                       "plan entries\ndropped, not in the new bank: 2 ids with 1 "
                                       "error marks and 3 answers: 5, 6\n")
                            .arg(bankFile));
        QVERIFY(run().startsWith(
            QStringLiteral("carried into NEW/%1: 0 error marks, 0 scores, 0 answers, 0 plan")
                .arg(bankFile)));
    }
};

QTEST_GUILESS_MAIN(TestCarry)
#include "test_carry.moc"
