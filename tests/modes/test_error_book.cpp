#include "Db.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "ModesTest.h"
#include "TestNotices.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using modestest::Ids;
using modestest::IdsWhere;
using modestest::Sorted;

namespace {

bool Marked(int id)
{
    return db::CountQuestions(QStringLiteral("where iserror=1 and id=%1").arg(id)) == 1;
}

int BookSize()
{
    return db::CountQuestions(QStringLiteral("where iserror=1"));
}

// Counts the times a widget is shown, so that a label that only flashed is seen too.
class TShowCounter : public QObject
{
public:
    explicit TShowCounter(QWidget* watched) { watched->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

class TestErrorBook : public QObject
{
    Q_OBJECT

    // Fresh for every test, so no answer queued by one test is taken by the next.
    std::unique_ptr<fixture::TNotices> notices;
    std::unique_ptr<fixture::TBankFolder> bank;
    std::unique_ptr<TFrmMain> w;

    const TMainControls& C() { return w->Controls(); }
    TPractice& Practice() { return w->Practice(); }
    QString Title() { return C().GrpMain->title(); }
    int CurrentId() { return Practice().Current()->id; }

    // A wrong answer to the question on display (the practice does not move on).
    void AnswerWrong()
    {
        const QString wrong = Practice().Current()->result == QStringLiteral("A")    ? "B"
                              : Practice().Current()->result == QStringLiteral("对") ? "错"
                              : Practice().Current()->result == QStringLiteral("错") ? "对"
                                                                                     : "A";
        Practice().GiveAnswer(wrong);
    }
    void AnswerRight() { Practice().GiveAnswer(Practice().Current()->result); }

    void ClearBook()
    {
        db::GetQuestionStore().ExecSQL(QStringLiteral("update examdata set iserror=0"));
    }

    // Starts the book practice and opens its menu under the button.
    void OpenMenu()
    {
        if (!Practice().ErrorMode)
            C().BtnError->click();
        QVERIFY(Practice().ErrorMode);
        C().BtnSetError->click();
        QVERIFY(C().pmCleanError->isVisible());
    }
    void Choose(QAction* item)
    {
        item->trigger();
        C().pmCleanError->hide();
    }

    // Runs a press that shows the confirmation label, noting what it read while it was up.
    QString LabelDuring(const std::function<void()>& press, qint64* waitedMs)
    {
        QString seen;
        QTimer::singleShot(20, [&] {
            if (C().lblErrorSave->isVisible())
                seen = C().lblErrorSave->text();
        });
        QElapsedTimer clock;
        clock.start();
        press();
        *waitedMs = clock.elapsed();
        return seen;
    }

    // Moves the bank away under the open connection: from then on every write is refused.
    void MakeWritesFail()
    {
        QCOMPARE(db::CountQuestions(QString()), 1177);
        QVERIFY(QFile::rename(bank->FilePath("Test.db"), bank->FilePath("Moved.db")));
    }

private slots:
    void init()
    {
        notices = std::make_unique<fixture::TNotices>();
        bank = fixture::FullBank();
        w = std::make_unique<TFrmMain>();
        w->show();
        C().ChkAutoNext->click();
        QVERIFY(!Practice().AutoNext);
        notices->Clear();
    }
    void cleanup()
    {
        w.reset();
        bank.reset();
        const int unexpected = notices->unexpectedConfirmations;
        notices.reset();
        QCOMPARE(unexpected, 0);
    }

    void emptyBookChangesNothing()
    {
        ClearBook();
        C().BtnNext->click();
        const QString question = C().LblExam->text();
        C().BtnError->click();
        QCOMPARE(notices->Texts(),
                 QStringList{QStringLiteral("当前错题库没有记录，请继续进行正常练习！")});
        QCOMPARE(notices->shown[0].caption, QStringLiteral("提示"));
        QCOMPARE(Title(), QStringLiteral("顺序练习(共计1177题)"));
        QCOMPARE(C().LblExam->text(), question);
        QCOMPARE(Practice().CurrentNo, 2);
        QVERIFY(!Practice().ErrorMode);
        QCOMPARE(C().BtnSetError->text(), QStringLiteral("设为错题"));
    }

    void bookPracticeHoldsTheMarkedQuestionsAtRandom()
    {
        const QList<int> marked =
            IdsWhere(bank->Questions(), [](const auto& q) { return q.iserror == 1; });
        QVERIFY(marked.size() > 8);
        C().BtnError->click();
        QCOMPARE(Title(), QStringLiteral("错题练习(共计%1题)").arg(marked.size()));
        QVERIFY(Practice().ErrorMode);
        QCOMPARE(C().BtnSetError->text(), QStringLiteral("清空错题"));
        const QList<int> first = Ids(Practice());
        QCOMPARE(Sorted(first), marked);
        QVERIFY(first != marked);
        C().BtnError->click();
        QCOMPARE(Sorted(Ids(Practice())), marked);
        QVERIFY(Ids(Practice()) != first);
        // Any other start ends the book practice.
        C().BtnRandom->click();
        QVERIFY(!Practice().ErrorMode);
        QCOMPARE(C().BtnSetError->text(), QStringLiteral("设为错题"));
    }

    // Outside the book, a wrong answer and the button mark the question; a right answer
    // does not, and neither does a wrong one inside the book practice.
    void answersAndTheButtonFillTheBook()
    {
        ClearBook();
        const int wrong = CurrentId();
        AnswerWrong();
        QVERIFY(Marked(wrong));
        C().BtnNext->click();
        const int right = CurrentId();
        AnswerRight();
        QVERIFY(!Marked(right));

        TShowCounter shows(C().lblErrorSave);
        qint64 waited = 0;
        QCOMPARE(LabelDuring([&] { C().BtnSetError->click(); }, &waited),
                 QStringLiteral("设置成功"));
        QVERIFY(waited >= 250);
        QVERIFY(C().lblErrorSave->isHidden());
        QVERIFY(Marked(right));
        QCOMPARE(Practice().Current()->answer, Practice().Current()->result);
        C().BtnNext->click();
        const int unanswered = CurrentId();
        C().BtnSetError->click();
        QVERIFY(Marked(unanswered));
        QCOMPARE(shows.shows, 2);
        QCOMPARE(Practice().AnsweredCount, 2);

        C().BtnError->click();
        QCOMPARE(Title(), QStringLiteral("错题练习(共计3题)"));
        QCOMPARE(Sorted(Ids(Practice())), Sorted({wrong, right, unanswered}));
        AnswerWrong();
        QCOMPARE(BookSize(), 3);
    }

    void rightAnswerInTheBookFollowsTheCheckMark_data()
    {
        QTest::addColumn<int>("toggles");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("removes");
        QTest::newRow("checked at start") << 0 << true << true;
        QTest::newRow("unchecked by the menu") << 1 << true << false;
        QTest::newRow("unchecked by the handler") << 1 << false << false;
        QTest::newRow("checked again") << 2 << true << true;
    }
    void rightAnswerInTheBookFollowsTheCheckMark()
    {
        QFETCH(int, toggles);
        QFETCH(bool, byMenu);
        QFETCH(bool, removes);
        QVERIFY(C().mniN3->isChecked());
        QVERIFY(Practice().AutoRemoveErrors);
        OpenMenu();
        for (int i = 0; i < toggles; ++i) {
            if (byMenu)
                Choose(C().mniN3);
            else
                w->ErrorBook().mniN3Click();
        }
        C().pmCleanError->hide();
        QCOMPARE(C().mniN3->isChecked(), removes);
        QCOMPARE(Practice().AutoRemoveErrors, removes);
        const int id = CurrentId();
        AnswerRight();
        QCOMPARE(Marked(id), !removes);
        // The set of a running book practice is fixed.
        QVERIFY(Ids(Practice()).contains(id));
    }

    void menuOpensBelowTheButtonAndDoesNothingWhenDismissed()
    {
        OpenMenu();
        const QPoint below = C().BtnSetError->mapToGlobal(QPoint(0, C().BtnSetError->height()));
        QCOMPARE(C().pmCleanError->pos(), below);
        const QStringList items = {C().pmCleanError->actions()[0]->text(),
                                   C().pmCleanError->actions()[1]->text(),
                                   C().pmCleanError->actions()[2]->text()};
        QCOMPARE(items, (QStringList{"答对自动去除", "去除当前错题", "清空所有错题"}));
        const int book = BookSize();
        const QString title = Title();
        C().pmCleanError->hide();
        QCOMPARE(BookSize(), book);
        QCOMPARE(Title(), title);
        QVERIFY(notices->shown.isEmpty());
        QVERIFY(C().lblErrorSave->isHidden());
    }

    void removeCurrentKeepsItUntilTheNextPractice()
    {
        OpenMenu();
        const QString title = Title();
        const int id = CurrentId();
        const QList<int> running = Ids(Practice());
        qint64 waited = 0;
        QCOMPARE(LabelDuring([&] { Choose(C().mniN1); }, &waited), QStringLiteral("去除成功"));
        QVERIFY(waited >= 350);
        QVERIFY(C().lblErrorSave->isHidden());
        QVERIFY(!Marked(id));
        QCOMPARE(Ids(Practice()), running);
        QCOMPARE(Title(), title);
        C().BtnError->click();
        QCOMPARE(Practice().QuestionCount, running.size() - 1);
        QVERIFY(!Ids(Practice()).contains(id));
    }

    void clearAllAsksFirst_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void clearAllAsksFirst()
    {
        QFETCH(bool, ok);
        OpenMenu();
        const QString title = Title();
        const int book = BookSize();
        notices->Answer(ok);
        Choose(C().mniN2);
        QCOMPARE(notices->Texts(), QStringList{QStringLiteral("确定清空所有错题吗？")});
        QCOMPARE(notices->shown[0].caption, QStringLiteral("确认"));
        if (!ok) {
            QCOMPARE(BookSize(), book);
            QCOMPARE(Title(), title);
            QVERIFY(Practice().ErrorMode);
            return;
        }
        QCOMPARE(BookSize(), 0);
        QCOMPARE(Title(), QStringLiteral("顺序练习(共计1177题)"));
        QVERIFY(!Practice().ErrorMode);
        QCOMPARE(C().BtnSetError->text(), QStringLiteral("设为错题"));
        notices->Clear();
        C().BtnError->click();
        QCOMPARE(notices->Texts(),
                 QStringList{QStringLiteral("当前错题库没有记录，请继续进行正常练习！")});
    }

    // During an exam the button belongs to the exam: it marks nothing.
    void examModeLeavesTheBookAlone()
    {
        ClearBook();
        Practice().ExamMode = true;
        notices->Answer(false); // in case the exam asks whether to submit
        TShowCounter shows(C().lblErrorSave);
        C().BtnSetError->click();
        QCOMPARE(BookSize(), 0);
        QCOMPARE(shows.shows, 0);
        QVERIFY(C().pmCleanError->isHidden());
    }

    // A write that did not take effect is reported, never confirmed, and clearing the book
    // does not then pretend it is empty by moving on.
    void failedWritesAreReported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("设为错题") << "set";
        QTest::newRow("去除当前错题") << "remove";
        QTest::newRow("清空所有错题") << "clear";
    }
    void failedWritesAreReported()
    {
        QFETCH(QString, action);
        if (action != QStringLiteral("set"))
            OpenMenu();
        const QString title = Title();
        const bool errorMode = Practice().ErrorMode;
        MakeWritesFail();
        TShowCounter shows(C().lblErrorSave);
        if (action == QStringLiteral("set")) {
            C().BtnSetError->click();
        } else if (action == QStringLiteral("remove")) {
            Choose(C().mniN1);
        } else {
            notices->Answer(true);
            Choose(C().mniN2);
        }
        QCOMPARE(shows.shows, 0);
        QVERIFY(!notices->shown.isEmpty());
        const platform::Notices::TShown& report = notices->shown.last();
        QCOMPARE(report.kind, platform::Notices::Kind::Error);
        QVERIFY2(report.text.contains(QStringLiteral("readonly")), qPrintable(report.text));
        QCOMPARE(Title(), title);
        QCOMPARE(Practice().ErrorMode, errorMode);
    }
};

QTEST_MAIN(TestErrorBook)
#include "test_error_book.moc"
