#include "BankError.h"
#include "BankFiles.h"
#include "BankSource.h"
#include "Db.h"
#include "Fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Header = "id,title,a,b,c,d,imgname,result,chapter,item,difficult,qhlx\r\n";
const QByteArray GoodRows = "1,选择题,甲,乙,丙,丁,,A,1,0,0,0\r\n"
                            "2,判断题,,,,,,对,2,0,0,0\r\n";

} // namespace

// A school rebuilding its bank from a faulty source, into the folder where learners already
// have marks and scores: the tool refuses, says where the fault is, and touches nothing.
class TestRobustTool : public QObject
{
    Q_OBJECT

private slots:
    void faultySourceIsRefusedAndTheBankKept_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("message"); // after SOURCE_DIR/questions.csv

        QTest::newRow("wrong header")
            << QByteArray("id,title,a,b,c,d,picture,result,chapter,item,difficult,qhlx\r\n") +
                   GoodRows
            << ":1:18: unknown column \"picture\"";
        QTest::newRow("unbalanced quotes")
            << Header + GoodRows + "3,\"他说\"靠右,甲,乙,丙,丁,,A,1,0,0,0\r\n"
            << ":4:7: misplaced quote";
        QTest::newRow("quote never closed")
            << Header + GoodRows + "3,\"他说,甲,乙,丙,丁,,A,1,0,0,0\r\n"
            << ":4:3: the quoted field that starts here is never closed";
        QTest::newRow("not in code page 936")
            << Header + GoodRows + "3,标题,甲,乙,丙,丁🚗,,A,1,0,0,0\r\n"
            << ":4:12: column \"d\": the character \"🚗\"";
        QTest::newRow("id twice") << Header + GoodRows + "2,又一题,甲,乙,丙,丁,,B,1,0,0,0\r\n"
                                  << ":4:1: column \"id\": the id 2 is already used on line 3";
        QTest::newRow("choice answer")
            << Header + GoodRows + "3,选择题,甲,乙,丙,丁,,E,1,0,0,0\r\n"
            << ":4:16: column \"result\": \"E\" is not one of A, B, C, D for a choice question";
        QTest::newRow("true/false answer")
            << Header + GoodRows + "3,判断题,,,,,,A,1,0,0,0\r\n"
            << ":4:12: column \"result\": \"A\" is not one of 对, 错 for a true/false question";
        QTest::newRow("picture missing")
            << Header + GoodRows + "3,看图,甲,乙,丙,丁,tu3,A,1,0,0,0\r\n"
            << ": question id 3, column \"imgname\": the picture "
               "\"tu3\" is not in ";
    }
    void faultySourceIsRefusedAndTheBankKept()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        auto out = fixture::SmallBank(robust::PracticeBank(20));
        db::UpdateQuestions("where id=3", "set iserror=1");
        db::CloseQuestionStore();
        robust::StoreThreeScores(out->FilePath("Test.db"));
        const QByteArray questions = robust::FileBytes(out->FilePath("Test.db"));
        const QByteArray pictures = robust::FileBytes(out->FilePath("Image.db"));
        const QStringList entries = QDir(out->Path()).entryList(QDir::Files | QDir::Hidden);

        QTemporaryDir source;
        robust::WriteFileBytes(source.filePath("questions.csv"), csv);
        try {
            bank::BuildBank(source.path(), out->Path());
            QFAIL("the faulty source was built");
        } catch (const bank::EBankError& e) {
            const QString expected = source.filePath("questions.csv") + message;
            QVERIFY2(e.Message().startsWith(expected), qPrintable(e.Message()));
        }
        QCOMPARE(robust::FileBytes(out->FilePath("Test.db")), questions);
        QCOMPARE(robust::FileBytes(out->FilePath("Image.db")), pictures);
        QCOMPARE(QDir(out->Path()).entryList(QDir::Files | QDir::Hidden), entries);
        QVERIFY(robust::LearnerData(out->FilePath("Test.db")).contains("mark 3"));
    }
};

QTEST_GUILESS_MAIN(TestRobustTool)
#include "test_robust_tool.moc"
