#include "Db.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "ModesTest.h"
#include "TestNotices.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using modestest::Ids;
using modestest::IdsWhere;
using modestest::Sorted;

using TMatch = std::function<bool(const bank::TQuestion&)>;
// A value of a column whose questions must be inside, or outside, the chosen set.
struct TProbe
{
    QString column;
    int value;
    bool inside;
};
Q_DECLARE_METATYPE(TMatch)
Q_DECLARE_METATYPE(QList<TProbe>)

namespace {

struct TDriven
{
    bool opened = false;
    int result = -1;
};

// Presses a main-window button that opens a selection dialog, and acts on the dialog once it
// is open (the act is expected to close it). A dialog other than the one named is closed
// unread, so a wrong opening fails the test instead of hanging it.
TDriven Drive(QPushButton* opener, const QString& dialog, std::function<void(QDialog&)> act)
{
    auto driven = std::make_shared<TDriven>();
    QTimer::singleShot(0, [driven, dialog, act] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        QObject::connect(d, &QDialog::finished, [driven](int r) { driven->result = r; });
        if (d->objectName() != dialog) {
            d->reject();
            return;
        }
        driven->opened = true;
        act(*d);
        if (d->isVisible()) // the act failed half-way
            d->reject();
    });
    opener->click();
    return *driven;
}

QRadioButton* Option(QDialog& d, int index)
{
    return d.findChild<QRadioButton*>(QStringLiteral("itemOption%1").arg(index));
}

// The selection the dialog shows: the current list entry, or the checked radio item.
int Selected(QDialog& d)
{
    if (auto* lib = d.findChild<QListWidget*>(QStringLiteral("Lib")))
        return lib->currentRow();
    for (int i = 0; Option(d, i); ++i)
        if (Option(d, i)->isChecked())
            return i;
    return -1;
}

void Select(QDialog& d, int index)
{
    if (auto* lib = d.findChild<QListWidget*>(QStringLiteral("Lib")))
        lib->setCurrentRow(index);
    else
        Option(d, index)->click();
}

void Press(QDialog& d, bool random)
{
    QTest::mouseClick(d.findChild<QPushButton*>(random ? QStringLiteral("BtnRandom")
                                                       : QStringLiteral("BtnOrder")),
                      Qt::LeftButton);
}

bool Ascending(const QList<int>& values)
{
    return std::is_sorted(values.begin(), values.end());
}

int ScoreRows()
{
    return db::GetQuestionStore()
        .GetTable(QStringLiteral("select count(*) from scoredata"))
        ->FieldAsString(0)
        .toInt();
}

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

    // Fresh for every test, so no answer queued by one test is taken by the next.
    std::unique_ptr<fixture::TNotices> notices;
    std::unique_ptr<fixture::TBankFolder> bank;
    std::unique_ptr<TFrmMain> w;

    QPushButton* Button(const char* name)
    {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString Title() { return w->Controls().GrpMain->title(); }
    TPractice& Practice() { return w->Practice(); }

    void OpenWindow()
    {
        w = std::make_unique<TFrmMain>();
        w->show();
        notices->Clear();
    }

    // The chosen set, in the order it was loaded, must be exactly the fixture's matches.
    void CheckSet(const QList<int>& expected, bool random)
    {
        const QList<int> ids = Ids(Practice());
        QCOMPARE(Practice().QuestionCount, expected.size());
        QCOMPARE(Sorted(ids), expected);
        QCOMPARE(Practice().CurrentNo, 1);
        if (random && expected.size() > 8)
            QVERIFY(!Ascending(ids));
    }

    void CheckProbes(const QList<TProbe>& probes)
    {
        const QList<int> ids = Ids(Practice());
        for (const TProbe& probe : probes) {
            int found = 0;
            for (const bank::TQuestion& q : bank->Questions()) {
                if (bank::ColumnNumber(q, probe.column) != probe.value)
                    continue;
                ++found;
                QVERIFY2(ids.contains(q.id) == probe.inside,
                         qPrintable(QStringLiteral("%1=%2").arg(probe.column).arg(probe.value)));
            }
            QVERIFY2(
                found > 0,
                qPrintable(
                    QStringLiteral("no question with %1=%2").arg(probe.column).arg(probe.value)));
        }
    }

private slots:
    void init()
    {
        notices = std::make_unique<fixture::TNotices>();
        bank = fixture::FullBank();
        OpenWindow();
    }
    void cleanup()
    {
        w.reset();
        bank.reset();
        const int unexpected = notices->unexpectedConfirmations;
        notices.reset();
        QCOMPARE(unexpected, 0);
    }

    void chapterListNamesTheNationalChapters()
    {
        const QList<int> sizes = {360, 229, 237, 100, 142, 60, 49};
        Drive(Button("BtnChapter"), QStringLiteral("FrmChapter"), [&](QDialog& d) {
            auto* lib = d.findChild<QListWidget*>(QStringLiteral("Lib"));
            QCOMPARE(lib->count(), 8);
            QCOMPARE(lib->item(0)->text(), QStringLiteral("所有试题顺序练习(1177题)"));
            for (int i = 1; i <= 7; ++i)
                QVERIFY(lib->item(i)->text().endsWith(QStringLiteral("(%1题)").arg(sizes[i - 1])));
            d.reject();
        });
    }

    void chapterStarts_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("random");
        for (int entry = 1; entry <= 7; ++entry)
            for (bool random : {false, true})
                QTest::addRow("chapter %d %s", entry, random ? "random" : "in order")
                    << entry << random;
    }
    void chapterStarts()
    {
        QFETCH(int, entry);
        QFETCH(bool, random);
        QString entryText;
        const TDriven driven =
            Drive(Button("BtnChapter"), QStringLiteral("FrmChapter"), [&](QDialog& d) {
                Select(d, entry);
                entryText = d.findChild<QListWidget*>(QStringLiteral("Lib"))->item(entry)->text();
                Press(d, random);
            });
        QVERIFY(driven.opened);
        QCOMPARE(driven.result, 11);
        QCOMPARE(Title(), QStringLiteral("《章节练习》 ") + entryText);
        if (entry == 3)
            QCOMPARE(Title(), QStringLiteral("《章节练习》 三.安全行车、文明驾驶知识(237题)"));
        CheckSet(IdsWhere(bank->Questions(), [&](const auto& q) { return q.chapter == entry; }),
                 random);
        if (!random)
            QVERIFY(Ascending(Ids(Practice())));
    }

    // Entry 0 is the whole bank in order, whichever button starts it; a double-click on an
    // entry starts it in order.
    void entryZeroAndDoubleClick_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("how");
        QTest::newRow("entry 0, in order") << 0 << "BtnOrder";
        QTest::newRow("entry 0, random") << 0 << "BtnRandom";
        QTest::newRow("entry 0, double-click") << 0 << "double-click";
        QTest::newRow("entry 2, double-click") << 2 << "double-click";
    }
    void entryZeroAndDoubleClick()
    {
        QFETCH(int, entry);
        QFETCH(QString, how);
        Button("BtnRandom")->click();
        const TDriven driven =
            Drive(Button("BtnChapter"), QStringLiteral("FrmChapter"), [&](QDialog& d) {
                auto* lib = d.findChild<QListWidget*>(QStringLiteral("Lib"));
                if (how != QStringLiteral("double-click")) {
                    d.findChild<QPushButton*>(how)->click();
                    return;
                }
                const QPoint at = lib->visualItemRect(lib->item(entry)).center();
                QTest::mouseClick(lib->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(lib->viewport(), Qt::LeftButton, {}, at);
            });
        QVERIFY(driven.opened);
        QCOMPARE(driven.result, 11);
        if (entry == 0) {
            QCOMPARE(Title(), QStringLiteral("顺序练习(共计1177题)"));
            CheckSet(IdsWhere(bank->Questions(), [](const auto&) { return true; }), false);
        } else {
            QCOMPARE(Title(), QStringLiteral("《章节练习》 二.交通信号及含义(229题)"));
            CheckSet(IdsWhere(bank->Questions(), [](const auto& q) { return q.chapter == 2; }),
                     false);
        }
        QVERIFY(Ascending(Ids(Practice())));
    }

    void typeStarts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<TMatch>("match");
        QTest::addColumn<QList<TProbe>>("probes");
        const QList<TProbe> none;
        auto item = [](int n) { return TMatch([n](const auto& q) { return q.item == n; }); };
        QTest::newRow("选择题") << 0 << "选择题"
                                << TMatch([](const auto& q) { return !q.a.trimmed().isEmpty(); })
                                << none;
        QTest::newRow("判断题") << 1 << "判断题"
                                << TMatch([](const auto& q) { return q.a.trimmed().isEmpty(); })
                                << none;
        QTest::newRow("图片题") << 2 << "图片题" << TMatch([](const auto& q) {
            return !q.imgname.trimmed().isEmpty();
        }) << none;
        QTest::newRow("易错题") << 3 << "易错题"
                                << TMatch([](const auto& q) { return q.difficult == 1; }) << none;
        QTest::newRow("交通标志题")
            << 4 << "交通标志题" << TMatch([](const auto& q) { return q.id >= 380 && q.id <= 573; })
            << QList<TProbe>{
                   {"id", 379, false}, {"id", 380, true}, {"id", 573, true}, {"id", 574, false}};
        QTest::newRow("处罚题") << 5 << "处罚题" << item(5) << none;
        QTest::newRow("时间题") << 6 << "时间题" << item(6) << none;
        QTest::newRow("距离题") << 7 << "距离题" << item(7) << none;
        QTest::newRow("速度题") << 8 << "速度题" << item(8) << none;
        QTest::newRow("交警手势题")
            << 9 << "交警手势题" << TMatch([](const auto& q) { return q.id >= 574 && q.id <= 589; })
            << QList<TProbe>{
                   {"id", 573, false}, {"id", 574, true}, {"id", 589, true}, {"id", 590, false}};
    }
    void typeStarts()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(TMatch, match);
        QFETCH(QList<TProbe>, probes);
        const QList<int> expected = IdsWhere(bank->Questions(), match);
        QVERIFY(!expected.isEmpty());
        for (bool random : {false, true}) {
            const TDriven driven =
                Drive(Button("BtnExam"), QStringLiteral("FrmSpecial"), [&](QDialog& d) {
                    QCOMPARE(Option(d, index)->text(), caption);
                    Select(d, index);
                    Press(d, random);
                });
            QVERIFY(driven.opened);
            QCOMPARE(driven.result, 11);
            QCOMPARE(Title(),
                     QStringLiteral("《专项练习》%1(共计%2题)").arg(caption).arg(expected.size()));
            CheckSet(expected, random);
            if (!random)
                QVERIFY(Ascending(Ids(Practice())));
            CheckProbes(probes);
        }
    }

    void typeDialogStartsTheErrorProneTypeAtOnce()
    {
        Drive(Button("BtnExam"), QStringLiteral("FrmSpecial"), [](QDialog& d) { Press(d, false); });
        const QList<int> expected =
            IdsWhere(bank->Questions(), [](const auto& q) { return q.difficult == 1; });
        QCOMPARE(Title(), QStringLiteral("《专项练习》易错题(共计%1题)").arg(expected.size()));
        QCOMPARE(Ids(Practice()), expected);
    }

    void bankStarts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<TProbe>>("probes");
        const TProbe zero{"qhlx", 0, false};
        const TProbe top{"qhlx", 401, false};
        QTest::newRow("强化练习一")
            << 0 << "强化练习一"
            << QList<TProbe>{
                   zero, top, {"qhlx", 1, true}, {"qhlx", 100, true}, {"qhlx", 101, false}};
        QTest::newRow("强化练习二") << 1 << "强化练习二" << QList<TProbe>{zero,
                                                                          top,
                                                                          {"qhlx", 100, false},
                                                                          {"qhlx", 101, true},
                                                                          {"qhlx", 200, true},
                                                                          {"qhlx", 201, false}};
        QTest::newRow("强化练习三") << 2 << "强化练习三" << QList<TProbe>{zero,
                                                                          top,
                                                                          {"qhlx", 200, false},
                                                                          {"qhlx", 201, true},
                                                                          {"qhlx", 300, true},
                                                                          {"qhlx", 301, false}};
        QTest::newRow("强化练习四")
            << 3 << "强化练习四"
            << QList<TProbe>{
                   zero, top, {"qhlx", 300, false}, {"qhlx", 301, true}, {"qhlx", 400, true}};
    }
    void bankStarts()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QList<TProbe>, probes);
        const int low = index * 100;
        const QList<int> expected = IdsWhere(
            bank->Questions(), [&](const auto& q) { return q.qhlx > low && q.qhlx <= low + 100; });
        QHash<int, int> qhlxOf;
        for (const bank::TQuestion& q : bank->Questions())
            qhlxOf.insert(q.id, q.qhlx);
        for (bool random : {false, true}) {
            const TDriven driven =
                Drive(Button("BtnUpdate"), QStringLiteral("FrmQhlx"), [&](QDialog& d) {
                    QCOMPARE(Option(d, index)->text(), caption);
                    Select(d, index);
                    Press(d, random);
                });
            QVERIFY(driven.opened);
            QCOMPARE(driven.result, 11);
            QCOMPARE(Title(),
                     QStringLiteral("《强化练习》%1(共计%2题)").arg(caption).arg(expected.size()));
            CheckSet(expected, random);
            QList<int> sequence;
            for (int id : Ids(Practice()))
                sequence << qhlxOf.value(id);
            // In order is the bank's own sequence, which is not the order of the ids.
            QCOMPARE(Ascending(sequence), !random);
            if (!random)
                QVERIFY(!Ascending(Ids(Practice())));
            CheckProbes(probes);
        }
    }

    void dialogsOpenWithTheirDefaults_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("count");
        QTest::newRow("chapter") << "BtnChapter"
                                 << "FrmChapter"
                                 << "章节练习" << QSize(370, 227) << 0 << 8;
        QTest::newRow("type") << "BtnExam"
                              << "FrmSpecial"
                              << "专项练习" << QSize(343, 220) << 3 << 10;
        QTest::newRow("intensive") << "BtnUpdate"
                                   << "FrmQhlx"
                                   << "强化练习" << QSize(361, 231) << 0 << 4;
    }
    // The close box starts nothing, and the next opening has forgotten the last selection.
    void dialogsOpenWithTheirDefaults()
    {
        QFETCH(QString, opener);
        QFETCH(QString, dialog);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(int, initial);
        QFETCH(int, count);
        w->Controls().ChkAutoNext->click();
        w->Controls().BtnB->click();
        const QString title = Title();
        const QString question = w->Controls().LblExam->text();

        for (int round = 0; round < 2; ++round) {
            const TDriven driven = Drive(Button(qPrintable(opener)), dialog, [&](QDialog& d) {
                QCOMPARE(d.windowTitle(), caption);
                QCOMPARE(d.size(), size);
                QCOMPARE(d.font().pixelSize(), 12);
                QCOMPARE(d.parentWidget(), w.get());
                QCOMPARE(Selected(d), initial);
                for (const char* name : {"BtnOrder", "BtnRandom"}) {
                    auto* b = d.findChild<QPushButton*>(QString::fromLatin1(name));
                    QVERIFY(!b->icon().isNull());
                    QCOMPARE(b->iconSize(), QSize(24, 24));
                }
                QVERIFY(Option(d, count - 1) || dialog == QStringLiteral("FrmChapter"));
                QVERIFY(!Option(d, count));
                Select(d, count - 1);
                QCOMPARE(Selected(d), count - 1);
                d.close();
            });
            QVERIFY(driven.opened);
            QCOMPARE(driven.result, int(QDialog::Rejected));
        }
        QCOMPARE(Title(), title);
        QCOMPARE(w->Controls().LblExam->text(), question);
        QCOMPARE(Practice().AnsweredCount, 1);
        QCOMPARE(Practice().Questions[0].answer, QStringLiteral("B"));
        QVERIFY(w->findChildren<QDialog*>().isEmpty());
    }

    void emptyChoiceChangesNothing_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("message");
        QTest::newRow("chapter 5") << "BtnChapter"
                                   << "FrmChapter" << 5 << "当前题库没有该章节记录！";
        QTest::newRow("交警手势题") << "BtnExam"
                                    << "FrmSpecial" << 9 << "当前题库没有该专项练习记录！";
        QTest::newRow("强化练习一") << "BtnUpdate"
                                    << "FrmQhlx" << 0 << "当前题库没有该专项练习记录！";
    }
    void emptyChoiceChangesNothing()
    {
        QFETCH(QString, opener);
        QFETCH(QString, dialog);
        QFETCH(int, index);
        QFETCH(QString, message);
        w.reset();
        bank = fixture::SmallBank({fixture::ChoiceQuestion(1, 1), fixture::TrueFalseQuestion(2, 2),
                                   fixture::ChoiceQuestion(3, 3)});
        OpenWindow();
        Button("BtnNext")->click();
        const QString title = Title();
        const QString question = w->Controls().LblExam->text();
        bool dialogOpenDuringMessage = false;
        notices->WhileOpen([&](const platform::Notices::TShown&) {
            auto* d = QApplication::activeModalWidget();
            dialogOpenDuringMessage = d && d->objectName() == dialog && d->isVisible();
        });
        for (bool random : {false, true}) {
            notices->Clear();
            const TDriven driven = Drive(Button(qPrintable(opener)), dialog, [&](QDialog& d) {
                Select(d, index);
                Press(d, random);
            });
            QCOMPARE(driven.result, 11);
            QCOMPARE(notices->Texts(), QStringList{message});
            QCOMPARE(notices->shown[0].caption, QStringLiteral("提示"));
            QVERIFY(dialogOpenDuringMessage);
            QCOMPARE(Title(), title);
            QCOMPARE(w->Controls().LblExam->text(), question);
            QCOMPARE(Practice().QuestionCount, 3);
            QCOMPARE(Practice().CurrentNo, 2);
        }
        notices->WhileOpen({});
    }

    void startEndsAnUnsubmittedExam_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("chapter") << "BtnChapter"
                                 << "FrmChapter";
        QTest::newRow("type") << "BtnExam"
                              << "FrmSpecial";
        QTest::newRow("intensive") << "BtnUpdate"
                                   << "FrmQhlx";
    }
    void startEndsAnUnsubmittedExam()
    {
        QFETCH(QString, opener);
        QFETCH(QString, dialog);
        const int scores = ScoreRows();
        Practice().ExamMode = true;
        w->Controls().BtnSetError->setText(QStringLiteral("交   卷"));
        const TDriven driven = Drive(Button(qPrintable(opener)), dialog, [](QDialog& d) {
            Select(d, 1);
            Press(d, true);
        });
        QVERIFY(driven.opened);
        QVERIFY(!Practice().ExamMode);
        QCOMPARE(w->Controls().BtnSetError->text(), QStringLiteral("设为错题"));
        QCOMPARE(ScoreRows(), scores);
        QVERIFY(notices->shown.isEmpty());
    }
};

QTEST_MAIN(TestSelection)
#include "test_selection.moc"
