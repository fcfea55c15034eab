#include "AnswerLog.h"
#include "BankCheck.h"
#include "BankError.h"
#include "BankFiles.h"
#include "BankReader.h"
#include "BankSource.h"
#include "Db.h"
#include "Fixture.h"
#include "QuestionsCsv.h"
#include "StudyPlan.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>

Q_DECLARE_METATYPE(std::vector<bank::TQuestion>)

namespace {

const QByteArray Header = "id,title,a,b,c,d,imgname,result,chapter,item,difficult,qhlx\r\n";
// Qt reads GIF but does not write it.
const QByteArray
    SmallestGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff,\x00\x00\x00\x00"
                "\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                35);
const QByteArray GoodRow = "1,标题,甲,乙,丙,丁,,A,1,0,0,0\r\n";

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::map<QString, QByteArray> FolderContent(const QString& dir)
{
    std::map<QString, QByteArray> content;
    for (const QFileInfo& info : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(info.filePath());
        file.open(QIODevice::ReadOnly);
        content[info.fileName()] = file.readAll();
    }
    return content;
}

bank::TQuestion Question(int id, const QString& title, const QString& a, const QString& result,
                         int chapter, int iserror = 0)
{
    bank::TQuestion q;
    q.id = id;
    q.title = title;
    q.a = a;
    q.result = result;
    q.chapter = chapter;
    q.iserror = iserror;
    return q;
}

void ChangeBank(const QString& path, const QByteArray& key, const QByteArray& sql)
{
    if (sql.isEmpty())
        return;
    bank::TConnection db(path, bank::TConnection::Mode::ReadWrite, key);
    db.Exec(sql.constData());
}

// Gives examdata a text id column, which a hand-made bank may have.
const QByteArray TextIds =
    "ALTER TABLE examdata RENAME TO t; CREATE TABLE examdata(id TEXT, title TEXT, a TEXT, "
    "b TEXT, c TEXT, d TEXT, imgname TEXT, result TEXT, chapter INTEGER, item INTEGER, "
    "difficult INTEGER, qhlx INTEGER, iserror INTEGER, explain TEXT); INSERT INTO examdata "
    "SELECT * FROM t; "
    "DROP TABLE t;";

} // namespace

class TestBank : public QObject
{
    Q_OBJECT

private slots:
    void buildsFromCsv_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<std::vector<bank::TQuestion>>("expected");

        bank::TQuestion quoted = Question(7, "他说\"靠右\"，然后\r\n停车", "甲,乙", "B", 2);
        quoted.b = "  ";
        quoted.item = 5;
        quoted.difficult = 1;
        quoted.qhlx = 101;
        QTest::newRow("quoting")
            << Header + "7,\"他说\"\"靠右\"\"，然后\r\n停车\",\"甲,乙\",  ,,,,B,2,5,1,101\r\n"
            << std::vector<bank::TQuestion>{quoted};
        QTest::newRow("other order, iserror")
            << QByteArray("result,iserror,qhlx,difficult,item,chapter,imgname,d,c,b,a,title,id\r\n"
                          "对,1,0,0,0,3,,,,,,第一题,3\r\n"
                          "A,0,0,0,0,4,,,,,选项,第二题,9\r\n")
            << std::vector<bank::TQuestion>{Question(3, "第一题", "", "对", 3, 1),
                                            Question(9, "第二题", "选项", "A", 4)};
        QTest::newRow("byte order mark, LF, blank lines")
            << QByteArray("\xEF\xBB\xBF") +
                   "id,title,a,b,c,d,imgname,result,chapter,item,difficult,qhlx\n\n"
                   "2,\"两\n行\",,,,,,错,1, 0 ,0,0\n\n"
            << std::vector<bank::TQuestion>{Question(2, "两\n行", "", "错", 1)};
        bank::TQuestion explained = Question(4, "第四题", "", "对", 1);
        explained.explain = "他说\"靠右\"，前车,后车\r\n换行";
        QTest::newRow("explanations")
            << QByteArray("id,title,a,b,c,d,imgname,result,chapter,item,difficult,qhlx,explain\r\n"
                          "4,第四题,,,,,,对,1,0,0,0,\"他说\"\"靠右\"\"，前车,后车\r\n换行\"\r\n"
                          "5,第五题,,,,,,错,1,0,0,0,\r\n")
            << std::vector<bank::TQuestion>{explained, Question(5, "第五题", "", "错", 1)};
    }
    void buildsFromCsv()
    {
        QFETCH(QByteArray, csv);
        QFETCH(std::vector<bank::TQuestion>, expected);
        QTemporaryDir tmp;
        WriteFile(tmp.filePath("src/questions.csv"), csv);
        bank::BuildBank(tmp.filePath("src"), tmp.filePath("out"));
        QCOMPARE(bank::ReadQuestions(tmp.filePath("out")), expected);
        QVERIFY(bank::ReadPack(tmp.filePath("out")).empty());
    }

    void buildsThePictures()
    {
        QTemporaryDir tmp;
        WriteFile(tmp.filePath("src/questions.csv"), Header + GoodRow);
        const QByteArray png = fixture::PngPicture(8, 8, Qt::red);
        QVERIFY(QDir().mkpath(tmp.filePath("src/pictures")));
        QImage bmpImage(5, 4, QImage::Format_RGB32);
        bmpImage.fill(Qt::green);
        QVERIFY(bmpImage.save(tmp.filePath("src/pictures/标志1.BMP"), "BMP"));
        WriteFile(tmp.filePath("src/pictures/gesture.gif"), SmallestGif);
        WriteFile(tmp.filePath("src/pictures/sign.png"), png);
        WriteFile(tmp.filePath("src/pictures/notes.txt"), "not a picture, not read");
        bank::BuildBank(tmp.filePath("src"), tmp.filePath("out"));
        const std::vector<bank::TPicture> pack = bank::ReadPack(tmp.filePath("out"));
        QStringList names;
        for (const bank::TPicture& p : pack) {
            names << p.name;
            QVERIFY(bank::IsReadablePicture(p.data));
        }
        QCOMPARE(names, (QStringList{"gesture", "sign", "标志1"}));
        QCOMPARE(pack[1].data, png);
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("pictureFiles");
        QTest::addColumn<QByteArray>("pictureBytes");
        QTest::addColumn<QString>("message"); // after the source folder

        const QStringList none;
        const QByteArray png = fixture::PngPicture();
        QTest::newRow("unknown column")
            << QByteArray("id,title,a,b,c,d,imgname,result,chapter,item,difficult,qhlx,colour\r\n")
            << none << QByteArray() << "/questions.csv:1:61: unknown column \"colour\"";
        QTest::newRow("column twice")
            << QByteArray("id,title,a,b,c,d,imgname,result,chapter,item,id,qhlx\r\n") << none
            << QByteArray() << "/questions.csv:1:46: the column \"id\" appears twice";
        QTest::newRow("column missing")
            << QByteArray("id,title,a,b,c,d,imgname,chapter,item,difficult,qhlx\r\n") << none
            << QByteArray() << "/questions.csv:1:1: the header has no column \"result\"";
        QTest::newRow("no header") << QByteArray() << none << QByteArray()
                                   << "/questions.csv:1:1: the header row is missing";
        QTest::newRow("missing value")
            << Header + GoodRow + "2,标题,甲,乙,丙,丁,,A,,0,0,0\r\n"
            << none << QByteArray() << "/questions.csv:3:17: column \"chapter\": missing value";
        QTest::newRow("too few fields")
            << Header + "1,标题,甲,乙,丙,丁,,A,1,0,0\r\n"
            << none << QByteArray()
            << "/questions.csv:2:21: the row has 11 fields where the header has 12";
        QTest::newRow("too many fields")
            << Header + "1,标题,甲,乙,丙,丁,,A,1,0,0,0,9\r\n"
            << none << QByteArray()
            << "/questions.csv:2:25: the row has 13 fields where the header has 12";
        QTest::newRow("quote never closed")
            << Header + GoodRow + "2,\"标题,甲,乙,丙,丁,,A,1,0,0,0\r\n"
            << none << QByteArray()
            << "/questions.csv:3:3: the quoted field that starts here is never closed";
        QTest::newRow("quote inside a field")
            << Header + "1,标\"题,甲,乙,丙,丁,,A,1,0,0,0\r\n"
            << none << QByteArray() << "/questions.csv:2:4: misplaced quote";
        QTest::newRow("text after the closing quote")
            << Header + "1,\"标题\"x,甲,乙,丙,丁,,A,1,0,0,0\r\n"
            << none << QByteArray() << "/questions.csv:2:7: misplaced quote";
        QTest::newRow("not in code page 936")
            << Header + "1,标题,甲,乙😀,丙,丁,,A,1,0,0,0\r\n"
            << none << QByteArray() << "/questions.csv:2:8: column \"b\": the character \"😀\"";
        QTest::newRow("explanation not in code page 936")
            << QByteArray("id,title,a,b,c,d,imgname,result,chapter,item,difficult,qhlx,explain\r\n"
                          "1,标题,甲,乙,丙,丁,,A,1,0,0,0,\"先看\r\n再走😀\"\r\n")
            << none << QByteArray()
            << "/questions.csv:2:25: column \"explain\": the character \"😀\"";
        QTest::newRow("not an integer")
            << Header + "1,\"两\r\n行\",甲,乙,丙,丁,,A,三,0,0,0\r\n"
            << none << QByteArray()
            << "/questions.csv:3:15: column \"chapter\": \"三\" is not an integer";
        QTest::newRow("integer too large")
            << Header + "1,标题,甲,乙,丙,丁,,A,1,0,0,99999999999\r\n"
            << none << QByteArray()
            << "/questions.csv:2:23: column \"qhlx\": \"99999999999\" is not an integer";
        QTest::newRow("id twice")
            << Header + GoodRow + GoodRow << none << QByteArray()
            << "/questions.csv:3:1: column \"id\": the id 1 is already used on line 2";
        QTest::newRow("unreadable picture")
            << Header + GoodRow << QStringList{"a.png", "bad.png"}
            << QByteArray("GIF89a but no picture") << "/pictures/a.png: not a readable";
        QTest::newRow("picture names differ only in case")
            << Header + GoodRow << QStringList{"Sign.png", "sign.gif"} << png
            << "/pictures/Sign.png: the picture name \"Sign\" is already taken by ";
    }
    void refusesBadInput()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, pictureFiles);
        QFETCH(QByteArray, pictureBytes);
        QFETCH(QString, message);
        QTemporaryDir tmp;
        const QString source = tmp.filePath("src");
        WriteFile(source + "/questions.csv", csv);
        for (const QString& name : pictureFiles)
            WriteFile(source + "/pictures/" + name, pictureBytes);
        bank::WriteBank(tmp.filePath("out"), {fixture::ChoiceQuestion(1, 1)}, {});
        const auto before = FolderContent(tmp.filePath("out"));
        try {
            bank::BuildBank(source, tmp.filePath("out"));
            QFAIL("no error");
        } catch (const bank::EBankError& e) {
            QVERIFY2(e.Message().startsWith(source + message), qPrintable(e.Message()));
        }
        QVERIFY(FolderContent(tmp.filePath("out")) == before);
    }

    // 科目四 takes multiple choice: two to four different letters in order, each naming an
    // option that has text; 科目一 keeps its one letter.
    void checksTheAnswersOfEachSubject_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("message"); // after the CSV path; empty: built

        const QString notLetters =
            ":2:15: column \"result\": \"%1\" is neither one of A, B, C, D nor two to four "
            "different letters of them in alphabetical order";
        QTest::newRow("科目四, two letters")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,AC,1,0,0,0") << QString();
        QTest::newRow("科目四, four letters")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,ABCD,1,0,0,0") << QString();
        QTest::newRow("科目四, one letter")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,D,1,0,0,0") << QString();
        QTest::newRow("科目四, true/false")
            << 4 << QByteArray("1,标题,,,,,,错,1,0,0,0") << QString();
        QTest::newRow("out of order")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,CA,1,0,0,0") << notLetters.arg("CA");
        QTest::newRow("a letter twice")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,ABB,1,0,0,0") << notLetters.arg("ABB");
        QTest::newRow("five letters")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,ABCDD,1,0,0,0") << notLetters.arg("ABCDD");
        QTest::newRow("no such letter")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,AE,1,0,0,0") << notLetters.arg("AE");
        QTest::newRow("lower case")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,ac,1,0,0,0") << notLetters.arg("ac");
        QTest::newRow("separated")
            << 4 << QByteArray("1,标题,甲,乙,丙,丁,,\"A,C\",1,0,0,0") << notLetters.arg("A,C");
        QTest::newRow("none") << 4 << QByteArray("1,标题,甲,乙,丙,丁,,,1,0,0,0")
                              << notLetters.arg("");
        QTest::newRow("an empty option") << 4 << QByteArray("1,标题,甲,乙,,丁,,AC,1,0,0,0")
                                         << ":2:14: column \"result\": \"AC\" names the option C, "
                                            "which is empty";
        QTest::newRow("an option of blanks")
            << 4 << QByteArray("1,标题,甲,乙,丙,  ,,BD,1,0,0,0")
            << ":2:16: column \"result\": \"BD\" names the option D, which is empty";
        QTest::newRow("one letter of an empty option")
            << 4 << QByteArray("1,标题,甲,乙,,,,C,1,0,0,0")
            << ":2:13: column \"result\": \"C\" names the option C, which is empty";
        QTest::newRow("科目四, letters for true/false")
            << 4 << QByteArray("1,标题,,,,,,AB,1,0,0,0")
            << ":2:11: column \"result\": \"AB\" is not one of 对, 错 for a true/false question";
        QTest::newRow("科目一 has no multiple choice")
            << 1 << QByteArray("1,标题,甲,乙,丙,丁,,AC,1,0,0,0")
            << ":2:15: column \"result\": \"AC\" is not one of A, B, C, D for a choice question";
    }
    void checksTheAnswersOfEachSubject()
    {
        QFETCH(int, subject);
        QFETCH(QByteArray, row);
        QFETCH(QString, message);
        QTemporaryDir tmp;
        const QString csv = tmp.filePath("src/questions.csv");
        WriteFile(csv, Header + row + "\r\n");
        const auto which = static_cast<bank::TSubject>(subject);
        try {
            bank::BuildBank(tmp.filePath("src"), tmp.filePath("out"), which);
            QVERIFY2(message.isEmpty(), "no error");
            QCOMPARE(bank::ReadQuestions(tmp.filePath("out"), which).size(), size_t(1));
        } catch (const bank::EBankError& e) {
            QVERIFY2(!message.isEmpty() && e.Message().startsWith(csv + message),
                     qPrintable(e.Message()));
        }
    }

    // 科目四 has files of its own beside 科目一's, and dumping and building it leaves 科目一's
    // bank as it was.
    void subjectFourHasItsOwnFiles()
    {
        auto folder = fixture::BothSubjects();
        const auto questions = fixture::SubjectFourContent().first;
        const auto pictures = bank::ReadPack(folder->Path(), bank::TSubject::Four);
        QVERIFY(!pictures.empty());
        const QByteArray subjectOne = FolderContent(folder->Path())["Test.db"];
        QTemporaryDir tmp;
        bank::DumpBank(folder->Path(), tmp.filePath("src"), bank::TSubject::Four);
        QCOMPARE(bank::ReadQuestionsCsv(tmp.filePath("src/questions.csv"), bank::TSubject::Four),
                 questions);
        bank::BuildBank(tmp.filePath("src"), folder->Path(), bank::TSubject::Four);
        QCOMPARE(bank::ReadQuestions(folder->Path(), bank::TSubject::Four), questions);
        QCOMPARE(bank::ReadPack(folder->Path(), bank::TSubject::Four), pictures);
        QCOMPARE(FolderContent(folder->Path())["Test.db"], subjectOne);
        QCOMPARE(bank::ReadQuestions(folder->Path()), folder->Questions());
    }

    void refusesToReplaceABankItCannotRead()
    {
        QTemporaryDir tmp;
        WriteFile(tmp.filePath("src/questions.csv"), Header + GoodRow);
        WriteFile(tmp.filePath("Test.db"), QByteArray());
        ChangeBank(tmp.filePath("Test.db"), "abcd", "CREATE TABLE x(y)");
        const auto before = FolderContent(tmp.path());
        try {
            bank::BuildBank(tmp.filePath("src"), tmp.path());
            QFAIL("no error");
        } catch (const bank::EBankError& e) {
            QVERIFY2(e.Message().contains("cannot hand on its learner data"),
                     qPrintable(e.Message()));
        }
        QVERIFY(FolderContent(tmp.path()) == before);
    }

    void rebuildKeepsLearnerData()
    {
        auto folder =
            fixture::SmallBank({fixture::ChoiceQuestion(1, 1), fixture::ChoiceQuestion(2, 1),
                                fixture::TrueFalseQuestion(3, 1)});
        db::UpdateQuestions("where id=2", "set iserror=1");
        db::UpdateQuestions("where id=3", "set iserror=1");
        for (const char* values :
             {"70,'2024-01-01 08:00:00'", "80,'2024-01-02 08:00:00'", "90,'2024-01-03 08:00:00'"})
            db::InsertScore("score,dateline", values);
        db::GetQuestionStore().ExecSQL("delete from scoredata where id=3");
        for (int qid : {2, 3, 2})
            db::InsertAnswer({.qid = qid, .answeredAt = "2024-01-01 08:00:00", .answer = "错"});
        db::SaveExamDate(QDate(2024, 2, 1));
        db::CloseQuestionStore();

        bank::TQuestion marked = fixture::TrueFalseQuestion(5, 1);
        marked.iserror = 1;
        bank::WriteBank(folder->Path(),
                        {fixture::ChoiceQuestion(1, 1), fixture::ChoiceQuestion(2, 1), marked}, {});

        examdata errors(3);
        QCOMPARE(db::CountQuestions("where iserror=1"), 2);
        db::LoadQuestions(0, "order by id", "where iserror=1", errors);
        QCOMPARE(errors[0].id, 2);
        QCOMPARE(errors[1].id, 5);
        db::InsertScore("score,dateline", "100,'2024-01-04 08:00:00'");
        auto scores = db::GetQuestionStore().GetTable(
            "select id, score, dateline from scoredata order by id");
        QStringList rows;
        for (; !scores->Eof(); scores->Next())
            rows << scores->FieldAsString(0) + " " + scores->FieldAsString(1) + " " +
                        scores->FieldAsString(2);
        QCOMPARE(rows, (QStringList{"1 70 2024-01-01 08:00:00", "2 80 2024-01-02 08:00:00",
                                    "4 100 2024-01-04 08:00:00"}));
        auto answers = db::GetQuestionStore().GetTable("select id, qid, answer from answerlog");
        QStringList kept;
        for (; !answers->Eof(); answers->Next())
            kept << answers->FieldAsString(0) + " " + answers->FieldAsString(1) + " " +
                        answers->FieldAsString(2);
        QCOMPARE(kept, (QStringList{"1 2 错", "3 2 错"}));
        QCOMPARE(db::LoadExamDate(), QDate(2024, 2, 1));
    }

    void rebuildGivesAnOlderBankTheAnswerRecord()
    {
        auto folder = fixture::SmallBank({fixture::ChoiceQuestion(1, 1)});
        db::GetQuestionStore().ExecSQL("drop table answerlog");
        db::GetQuestionStore().ExecSQL("drop table studyplan");
        db::CloseQuestionStore();
        bank::WriteBank(folder->Path(), {fixture::ChoiceQuestion(1, 1)}, {});
        QCOMPARE(db::GetQuestionStore().CountRows("select 1 from sqlite_master where name in "
                                                  "('answerlog', 'answerlog_qid', 'studyplan')"),
                 3);
        QVERIFY(db::LoadAnswerLog().empty());
        QVERIFY(!db::LoadExamDate().isValid());
    }

    void checkPassesASoundBank()
    {
        auto folder = fixture::FullBank();
        const bank::TCheckReport report = bank::CheckBank(folder->Path());
        QVERIFY2(report.Sound(), qPrintable(report.faults.join('\n')));
        const auto& questions = folder->Questions();
        const auto blanks =
            std::find_if(questions.begin(), questions.end(),
                         [](const bank::TQuestion& q) { return q.imgname != q.imgname.trimmed(); });
        QCOMPARE(report.warnings.size(), 1);
        QVERIFY(report.warnings[0].contains(QStringLiteral("row %1 (id %2), column \"imgname\"")
                                                .arg(blanks - questions.begin() + 1)
                                                .arg(blanks->id)));

        auto count = [&](auto keep) {
            return QString::number(std::count_if(questions.begin(), questions.end(), keep));
        };
        QStringList expected{"questions: " + QString::number(questions.size())};
        for (int c = 1; c <= 7; ++c)
            expected << QStringLiteral("chapter %1: ").arg(c) +
                            count([c](const auto& q) { return q.chapter == c; });
        expected << "选择题: " + count([](const auto& q) { return !q.a.trimmed().isEmpty(); })
                 << "判断题: " + count([](const auto& q) { return q.a.trimmed().isEmpty(); })
                 << "图片题: " + count([](const auto& q) { return !q.imgname.trimmed().isEmpty(); })
                 << "易错题: " + count([](const auto& q) { return q.difficult == 1; })
                 << "交通标志题: " +
                        count([](const auto& q) { return q.id >= 380 && q.id <= 573; });
        const QStringList topics{"处罚题", "时间题", "距离题", "速度题"};
        for (int item = 5; item <= 8; ++item)
            expected << topics[item - 5] + ": " +
                            count([item](const auto& q) { return q.item == item; });
        expected << "交警手势题: " +
                        count([](const auto& q) { return q.id >= 574 && q.id <= 589; });
        const QStringList banks{"强化练习一", "强化练习二", "强化练习三", "强化练习四"};
        for (int b = 0; b < 4; ++b)
            expected << banks[b] + ": " + count([b](const auto& q) {
                            return q.qhlx > b * 100 && q.qhlx <= b * 100 + 100;
                        });
        expected << "outside the intensive banks: " +
                        count([](const auto& q) { return q.qhlx <= 0 || q.qhlx > 400; });
        expected << "without an explanation: " +
                        count([](const auto& q) { return q.explain.trimmed().isEmpty(); });
        QCOMPARE(report.summary, expected);
    }

    void checkReportsEachFault_data()
    {
        QTest::addColumn<QByteArray>("questionsSql");
        QTest::addColumn<QByteArray>("picturesSql");
        QTest::addColumn<QString>("fault");
        // In the full bank id 1 is a true/false question, id 2 a choice question, tu7 a picture.
        QTest::newRow("choice answer")
            << QByteArray("UPDATE examdata SET result='E' WHERE id=2") << QByteArray()
            << "Test.db: row 2 (id 2), column \"result\": \"E\" is not one of A, B, C, D "
               "for a choice question";
        QTest::newRow("true/false answer")
            << QByteArray("UPDATE examdata SET result='A' WHERE id=1") << QByteArray()
            << "Test.db: row 1 (id 1), column \"result\": \"A\" is not one of 对, 错 for a "
               "true/false question";
        QTest::newRow("chapter")
            << QByteArray("UPDATE examdata SET chapter=8 WHERE id=2") << QByteArray()
            << "Test.db: row 2 (id 2), column \"chapter\": \"8\" is not a chapter from 1 to 7";
        QTest::newRow("chapter below its quota")
            << QByteArray("DELETE FROM examdata WHERE chapter=7 AND id NOT IN "
                          "(SELECT id FROM examdata WHERE chapter=7 LIMIT 4)")
            << QByteArray()
            << "Test.db: chapter 7 holds 4 questions, fewer than the 5 of the exam paper";
        QTest::newRow("picture missing")
            << QByteArray("UPDATE examdata SET imgname='nosuch' WHERE id=2") << QByteArray()
            << "Test.db: row 2 (id 2), column \"imgname\": the picture \"nosuch\" is not in "
               "Image.db";
        QTest::newRow("picture unreadable")
            << QByteArray() << QByteArray("UPDATE pictures SET data=x'00' WHERE name='tu7'")
            << "Image.db: picture \"TU7\": not a readable PNG, BMP or GIF picture";
        QTest::newRow("not code page 936")
            << QByteArray("UPDATE examdata SET title=x'FFFF' WHERE id=2") << QByteArray()
            << "Test.db: row 2 (id 2), column \"title\": not valid code page 936 text";
        QTest::newRow("id not an integer")
            << TextIds + "UPDATE examdata SET id='x' WHERE id='2'" << QByteArray()
            << "(id x), column \"id\": \"x\" is not an integer";
        QTest::newRow("id twice") << TextIds + "UPDATE examdata SET id='1' WHERE id='2'"
                                  << QByteArray()
                                  << "(id 1), column \"id\": the id is also on row 1";
    }
    void checkReportsEachFault()
    {
        QFETCH(QByteArray, questionsSql);
        QFETCH(QByteArray, picturesSql);
        QFETCH(QString, fault);
        auto folder = fixture::FullBank();
        ChangeBank(folder->FilePath(bank::QuestionsFile), bank::QuestionsKey, questionsSql);
        ChangeBank(folder->FilePath(bank::PicturesFile), QByteArray(), picturesSql);
        const bank::TCheckReport report = bank::CheckBank(folder->Path());
        QCOMPARE(report.faults.size(), 1);
        QVERIFY2(report.faults[0].contains(fault), qPrintable(report.faults[0]));
    }

    void checkPassesASoundSubjectFourBank()
    {
        auto folder = fixture::SubjectFourOnly();
        const bank::TCheckReport report = bank::CheckBank(folder->Path(), bank::TSubject::Four);
        QVERIFY2(report.Sound(), qPrintable(report.faults.join('\n')));
        QVERIFY2(report.warnings.isEmpty(), qPrintable(report.warnings.join('\n')));
        QCOMPARE(report.summary.mid(0, 8),
                 (QStringList{"questions: 520", "chapter 1: 100", "chapter 2: 120", "chapter 3: 80",
                              "chapter 4: 50", "chapter 5: 70", "chapter 6: 60", "chapter 7: 40"}));
        QCOMPARE(report.summary.mid(8, 3),
                 (QStringList{"选择题: 208", "判断题: 208", "多选题: 104"}));
    }

    void checkReportsEachFaultOfSubjectFour_data()
    {
        QTest::addColumn<QByteArray>("questionsSql");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("warning"); // empty for none
        // In 科目四's fixture id 5 is a multiple-choice question "AB", id 3 a choice question.
        QTest::newRow("letters out of order")
            << QByteArray("UPDATE examdata SET result='BA' WHERE id=5")
            << "Test4.db: row 5 (id 5), column \"result\": \"BA\" is neither one of A, B, C, D "
               "nor two to four different letters of them in alphabetical order"
            << QString();
        QTest::newRow("an empty option")
            << QByteArray("UPDATE examdata SET result='ABC', c='' WHERE id=5")
            << "Test4.db: row 5 (id 5), column \"result\": \"ABC\" names the option C, which "
               "is empty"
            << QString();
        QTest::newRow("choice of an empty option")
            << QByteArray("UPDATE examdata SET d=' ' WHERE id=4")
            << "Test4.db: row 4 (id 4), column \"result\": \"D\" names the option D, which is "
               "empty"
            << QString();
        QTest::newRow("too few for a paper")
            << QByteArray("DELETE FROM examdata WHERE id>49")
            << "Test4.db: holds 49 questions, fewer than the 50 of the exam paper"
            << "Test4.db: 9 multiple-choice questions, fewer than the 10 of the exam paper; the "
               "others fill their places";
        QTest::newRow("picture missing")
            << QByteArray("UPDATE examdata SET imgname='nosuch' WHERE id=2")
            << "Test4.db: row 2 (id 2), column \"imgname\": the picture \"nosuch\" is not in "
               "Image4.db"
            << QString();
    }
    void checkReportsEachFaultOfSubjectFour()
    {
        QFETCH(QByteArray, questionsSql);
        QFETCH(QString, fault);
        QFETCH(QString, warning);
        auto folder = fixture::SubjectFourOnly();
        ChangeBank(folder->FilePath("Test4.db"), bank::QuestionsKey, questionsSql);
        const bank::TCheckReport report = bank::CheckBank(folder->Path(), bank::TSubject::Four);
        QCOMPARE(report.faults, QStringList{fault});
        QCOMPARE(report.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    }

    // Other suites rely on the full bank holding each of these cases.
    void fullBankHoldsEveryCase()
    {
        auto folder = fixture::FullBank();
        const auto& questions = folder->Questions();
        std::map<int, int> perChapter;
        QSet<int> ids, qhlx, items;
        QSet<QString> pack;
        for (const bank::TPicture& p : folder->Pictures())
            pack.insert(p.name);
        QSet<QString> packFolded;
        for (const QString& name : pack)
            packFolded.insert(name.toLower());
        int blankOption = 0, blankPicture = 0, otherCase = 0, difficult = 0, marked = 0;
        for (const bank::TQuestion& q : questions) {
            ++perChapter[q.chapter];
            ids.insert(q.id);
            qhlx.insert(q.qhlx);
            items.insert(q.item);
            blankOption += !q.a.isEmpty() && q.a.trimmed().isEmpty();
            blankPicture += q.imgname != q.imgname.trimmed();
            otherCase += !q.imgname.isEmpty() && !pack.contains(q.imgname.trimmed());
            // A mock exam draws at random and looks its pictures up by the name as stored.
            QVERIFY2(q.imgname.isEmpty() || packFolded.contains(q.imgname.toLower()),
                     qPrintable(q.imgname));
            difficult += q.difficult == 1;
            marked += q.iserror == 1;
            QVERIFY(q.a.isEmpty() ? q.b.isEmpty() && (q.result == "对" || q.result == "错")
                                  : QStringList({"A", "B", "C", "D"}).contains(q.result));
        }
        QCOMPARE(perChapter,
                 (std::map<int, int>{
                     {1, 360}, {2, 229}, {3, 237}, {4, 100}, {5, 142}, {6, 60}, {7, 49}}));
        QVERIFY(std::is_sorted(questions.begin(), questions.end(),
                               [](const auto& x, const auto& y) { return x.id < y.id; }));
        QVERIFY(questions.back().id > static_cast<int>(questions.size()));
        for (int id : {379, 380, 573, 574, 589, 590})
            QVERIFY2(ids.contains(id), qPrintable(QString::number(id)));
        for (int value : {0, 100, 101, 200, 201, 300, 301, 400, 401})
            QVERIFY2(qhlx.contains(value), qPrintable(QString::number(value)));
        for (int item : {5, 6, 7, 8})
            QVERIFY(items.contains(item));
        QVERIFY(blankOption > 0);
        QCOMPARE(blankPicture, 1);
        QVERIFY(otherCase > 0);
        QVERIFY(difficult > 0);
        QVERIFY(marked > 0);
    }

    void dumpThenBuildRoundTrips()
    {
        auto folder = fixture::FullBank();
        QTemporaryDir tmp;
        bank::DumpBank(folder->Path(), tmp.filePath("src"));
        bank::BuildBank(tmp.filePath("src"), tmp.filePath("out"));
        QCOMPARE(bank::ReadQuestions(tmp.filePath("out")), folder->Questions());
        QCOMPARE(bank::ReadPack(tmp.filePath("out")), bank::ReadPack(folder->Path()));
        QVERIFY_THROWS_EXCEPTION(bank::EBankError,
                                 bank::DumpBank(folder->Path(), tmp.filePath("src")));
    }

    void explanationsSurviveDumpAndBuild()
    {
        std::vector<bank::TQuestion> questions{fixture::ChoiceQuestion(1, 1),
                                               fixture::TrueFalseQuestion(2, 1),
                                               fixture::TrueFalseQuestion(3, 1)};
        questions[0].explain = "标志写着\"停\"，所以,先停车\r\n再观察";
        questions[1].explain = "第一行\n第二行,\"\"";
        questions[2].explain = "  ";
        auto folder = fixture::SmallBank(questions);
        QTemporaryDir tmp;
        bank::DumpBank(folder->Path(), tmp.filePath("src"));
        QCOMPARE(bank::ReadQuestionsCsv(tmp.filePath("src/questions.csv")), questions);
        bank::BuildBank(tmp.filePath("src"), tmp.filePath("out"));
        QCOMPARE(bank::ReadQuestions(tmp.filePath("out")), questions);
        QCOMPARE(bank::CheckBank(tmp.filePath("out")).summary.last(), "without an explanation: 1");
    }

    // A bank built before explanations still checks, dumps and rebuilds, with none.
    void bankWithoutExplanationsStillWorks()
    {
        bank::TQuestion q = fixture::ChoiceQuestion(1, 1);
        q.explain = "将被丢弃";
        auto folder = fixture::SmallBank({q, fixture::TrueFalseQuestion(2, 1)});
        fixture::RemoveExplainColumn(*folder);
        q.explain.clear();
        const std::vector<bank::TQuestion> expected{q, fixture::TrueFalseQuestion(2, 1)};
        QCOMPARE(bank::ReadQuestions(folder->Path()), expected);
        QCOMPARE(bank::CheckBank(folder->Path()).summary.last(), "without an explanation: 2");
        QTemporaryDir tmp;
        bank::DumpBank(folder->Path(), tmp.filePath("src"));
        bank::BuildBank(tmp.filePath("src"), folder->Path());
        QCOMPARE(bank::ReadQuestions(folder->Path()), expected);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args"); // $BANK: a full bank, $TMP: an empty folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("no command")
            << QStringList{} << 2 << "usage: jiakao-bank build SOURCE_DIR OUT_DIR";
        QTest::newRow("unknown command") << QStringList{"frob", "$TMP"} << 2 << "usage:";
        QTest::newRow("build without out dir") << QStringList{"build", "$TMP"} << 2 << "usage:";
        QTest::newRow("build without source") << QStringList{"build", "$TMP", "$TMP/out"} << 1
                                              << "jiakao-bank: $TMP/questions.csv: cannot read";
        QTest::newRow("check sound") << QStringList{"check", "$BANK"} << 0 << "the bank is sound";
        QTest::newRow("check missing")
            << QStringList{"check", "$TMP"} << 1 << "$TMP/Test.db: no such file";
        QTest::newRow("dump") << QStringList{"dump", "$BANK", "$TMP/src"} << 0 << "";
        QTest::newRow("check 科目四")
            << QStringList{"check", "--subject", "4", "$BANK"} << 0 << "多选题: 104";
        QTest::newRow("subject before the command")
            << QStringList{"--subject", "4", "check", "$BANK"} << 0 << "the bank is sound";
        QTest::newRow("check 科目一 by number")
            << QStringList{"check", "--subject", "1", "$BANK"} << 0 << "交警手势题:";
        QTest::newRow("dump 科目四")
            << QStringList{"dump", "$BANK", "$TMP/src", "--subject", "4"} << 0 << "";
        QTest::newRow("build 科目四 without source")
            << QStringList{"build", "--subject", "4", "$TMP", "$TMP/out"} << 1
            << "jiakao-bank: $TMP/questions.csv: cannot read";
        QTest::newRow("no such subject")
            << QStringList{"check", "--subject", "2", "$BANK"} << 2 << "usage:";
        QTest::newRow("subject without number")
            << QStringList{"check", "$BANK", "--subject"} << 2 << "usage:";
        QTest::newRow("科目四 missing")
            << QStringList{"check", "--subject", "4", "$TMP"} << 1 << "$TMP/Test4.db: no such file";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, output);
        auto folder = fixture::BothSubjects();
        QTemporaryDir tmp;
        for (QString& arg : args)
            arg.replace("$BANK", folder->Path()).replace("$TMP", tmp.path());
        QProcess tool;
        tool.start(JIAKAO_BANK_EXE, args);
        QVERIFY(tool.waitForFinished());
        const QString text =
            QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
        QCOMPARE(tool.exitCode(), status);
        QVERIFY2(text.contains(QString(output).replace("$TMP", tmp.path())), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestBank)
#include "test_bank.moc"
