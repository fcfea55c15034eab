// The sample bank that ships with the trainer: it builds, every mock exam draws a full paper from
// it, and every practice selection of the trainer finds enough questions in it.
#include "Db.h"
#include "Fixture.h"
#include "Pictures.h"
#include "QuestionsCsv.h"

#include <QDir>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <map>

namespace {

using Selects = bool (*)(const bank::TQuestion&);

const int ExamQuota[] = {30, 20, 20, 10, 10, 5, 5};

bool IsChoice(const bank::TQuestion& q)
{
    return !q.a.trimmed().isEmpty();
}

} // namespace

Q_DECLARE_METATYPE(Selects)

class TestSample : public QObject
{
    Q_OBJECT

private:
    std::vector<bank::TQuestion> questions;
    std::vector<bank::TPicture> pictures;

    int Count(Selects selects) const
    {
        return int(std::count_if(questions.begin(), questions.end(), selects));
    }

private slots:
    void initTestCase()
    {
        questions = bank::ReadQuestionsCsv(QDir(SAMPLE_DIR).filePath("questions.csv"));
        pictures = bank::ReadPictures(QDir(SAMPLE_DIR).filePath("pictures"));
        QVERIFY(questions.size() >= 240);
    }

    void mockExamsDrawFullPapersByQuota()
    {
        std::map<int, int> chapterOf;
        for (const bank::TQuestion& q : questions)
            chapterOf[q.id] = q.chapter;
        const auto folder = fixture::SmallBank(questions, pictures);
        QList<int> papers[2];
        for (QList<int>& paper : papers) {
            examdata target(100);
            db::LoadExamPaper(target);
            int perChapter[8] = {};
            for (const myRecord& r : target) {
                QVERIFY2(chapterOf.count(r.id), qPrintable(QString::number(r.id)));
                ++perChapter[chapterOf[r.id]];
                paper << r.id;
            }
            for (int chapter = 1; chapter <= 7; ++chapter)
                QCOMPARE(perChapter[chapter], ExamQuota[chapter - 1]);
            QCOMPARE(QSet<int>(paper.begin(), paper.end()).size(), 100);
        }
        QVERIFY(papers[0] != papers[1]);
    }

    void chapterHoldsTwiceItsQuota_data()
    {
        QTest::addColumn<int>("chapter");
        for (int chapter = 1; chapter <= 7; ++chapter)
            QTest::addRow("chapter %d", chapter) << chapter;
    }

    void chapterHoldsTwiceItsQuota()
    {
        QFETCH(int, chapter);
        int count = 0;
        for (const bank::TQuestion& q : questions)
            count += q.chapter == chapter;
        QVERIFY2(count >= 2 * ExamQuota[chapter - 1], qPrintable(QString::number(count)));
    }

    void everySelectionIsStocked_data()
    {
        QTest::addColumn<Selects>("selects");
        QTest::addColumn<int>("minimum");
        QTest::newRow("choice") << Selects(IsChoice) << 80;
        QTest::newRow("true/false")
            << Selects([](const bank::TQuestion& q) { return !IsChoice(q); }) << 80;
        QTest::newRow("picture") << Selects([](const bank::TQuestion& q) {
            return !q.imgname.trimmed().isEmpty();
        }) << 30;
        QTest::newRow("error-prone")
            << Selects([](const bank::TQuestion& q) { return q.difficult == 1; }) << 8;
        QTest::newRow("traffic sign")
            << Selects([](const bank::TQuestion& q) { return q.id >= 380 && q.id <= 573; }) << 8;
        QTest::newRow("police gesture")
            << Selects([](const bank::TQuestion& q) { return q.id >= 574 && q.id <= 589; }) << 8;
        QTest::newRow("penalty") << Selects([](const bank::TQuestion& q) { return q.item == 5; })
                                 << 8;
        QTest::newRow("time") << Selects([](const bank::TQuestion& q) { return q.item == 6; }) << 8;
        QTest::newRow("distance") << Selects([](const bank::TQuestion& q) { return q.item == 7; })
                                  << 8;
        QTest::newRow("speed") << Selects([](const bank::TQuestion& q) { return q.item == 8; })
                               << 8;
        QTest::newRow("intensive one")
            << Selects([](const bank::TQuestion& q) { return q.qhlx > 0 && q.qhlx <= 100; }) << 15;
        QTest::newRow("intensive two")
            << Selects([](const bank::TQuestion& q) { return q.qhlx > 100 && q.qhlx <= 200; })
            << 15;
        QTest::newRow("intensive three")
            << Selects([](const bank::TQuestion& q) { return q.qhlx > 200 && q.qhlx <= 300; })
            << 15;
        QTest::newRow("intensive four")
            << Selects([](const bank::TQuestion& q) { return q.qhlx > 300 && q.qhlx <= 400; })
            << 15;
    }

    void everySelectionIsStocked()
    {
        QFETCH(Selects, selects);
        QFETCH(int, minimum);
        const int count = Count(selects);
        QVERIFY2(count >= minimum, qPrintable(QString::number(count)));
    }

    // The two id ranges select question types, so nothing else may stray into them.
    void typeRangesHoldOnlyTheirChapter()
    {
        for (const bank::TQuestion& q : questions) {
            if (q.id >= 380 && q.id <= 589)
                QVERIFY2(q.chapter == 2, qPrintable(QString::number(q.id)));
        }
    }

    void intensivePlacesAreUnique()
    {
        QSet<int> places;
        for (const bank::TQuestion& q : questions) {
            if (q.qhlx == 0)
                continue;
            QVERIFY2(q.qhlx > 0 && q.qhlx <= 400, qPrintable(QString::number(q.id)));
            QVERIFY2(!places.contains(q.qhlx), qPrintable(QString::number(q.qhlx)));
            places.insert(q.qhlx);
        }
    }

    void everyPictureIsThere()
    {
        QSet<QString> names;
        for (const bank::TPicture& p : pictures)
            names.insert(p.name.toLower());
        for (const bank::TQuestion& q : questions) {
            if (!q.imgname.isEmpty())
                QVERIFY2(names.contains(q.imgname.toLower()), qPrintable(q.imgname));
        }
    }

    void answersMatchTheButtons()
    {
        int perLetter[4] = {};
        for (const bank::TQuestion& q : questions) {
            const QString at = QString::number(q.id);
            if (IsChoice(q)) {
                QVERIFY2(!q.b.isEmpty() && !q.c.isEmpty() && !q.d.isEmpty(), qPrintable(at));
                QVERIFY2(q.result.size() == 1 && QStringLiteral("ABCD").contains(q.result),
                         qPrintable(at));
                ++perLetter[q.result.at(0).unicode() - 'A'];
            } else {
                QVERIFY2(q.b.isEmpty() && q.c.isEmpty() && q.d.isEmpty(), qPrintable(at));
                QVERIFY2(q.result == QStringLiteral("对") || q.result == QStringLiteral("错"),
                         qPrintable(at));
            }
        }
        // A bank whose right answers crowd onto one letter teaches guessing, not the rules.
        const int choices = Count(IsChoice);
        for (int n : perLetter)
            QVERIFY2(n * 5 >= choices, qPrintable(QString::number(n)));
    }
};

QTEST_GUILESS_MAIN(TestSample)
#include "test_sample.moc"
