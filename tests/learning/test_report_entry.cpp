#include "AnswerLog.h"
#include "ExamDialogs.h"
#include "FindControl.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "FrmReport.h"
#include "TestNotices.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Clicks the entry and tells whether the report came up, closing it at once when it did.
bool ReportOpened(QPushButton* entry, QString* totals = nullptr)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* report = qobject_cast<TFrmReport*>(QApplication::activeModalWidget());
        if (!report)
            return;
        opened = true;
        if (totals)
            *totals = report->LblTotals->text();
        report->reject();
    });
    entry->click();
    QCoreApplication::processEvents();
    return opened;
}

} // namespace

class TestReportEntry : public QObject
{
    Q_OBJECT

private slots:
    void init() { bank = fixture::FullBank(); }
    void cleanup() { bank.reset(); }

    void opensTheReportFromTheStrip()
    {
        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        auto* entry = fixture::Find<QPushButton>(w, "BtnReport");
        QCOMPARE(entry->text(), "学习报告");
        QCOMPARE(entry->geometry(), QRect(772, 32, 116, 25));
        QCOMPARE(entry->focusPolicy(), Qt::NoFocus);

        db::InsertAnswer({.qid = bank->Questions().front().id,
                          .answeredAt = QDateTime::currentDateTime().toString(
                              QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                          .answer = QStringLiteral("A"),
                          .correct = true});
        QString totals;
        QVERIFY(ReportOpened(entry, &totals));
        QVERIFY(totals.startsWith("已练习1/1177题"));
        QVERIFY(notices.shown.isEmpty());
    }

    // While a paper waits for its submission the report would tell right from wrong; once it
    // is handed in, however the result dialog was left, the report opens.
    void opensOnceThePaperIsHandedIn_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::newRow("close box") << "close";
        QTest::newRow("答题情况") << "BtnResult";
        QTest::newRow("at the time limit, close box") << "time";
    }

    void opensOnceThePaperIsHandedIn()
    {
        QFETCH(QString, leave);
        fixture::TNotices notices;
        TExamDialogs dialogs;
        TFrmMain w;
        w.show();
        auto* entry = fixture::Find<QPushButton>(w, "BtnReport");
        w.Controls().BtnMN->click();
        QVERIFY(!ReportOpened(entry));
        QCOMPARE(notices.Texts(),
                 QStringList{"模拟考试进行中，交卷并查看答题情况后再看学习报告。"});

        if (leave == "BtnResult")
            dialogs.ThenClick("BtnResult");
        else
            dialogs.ThenCloseBox();
        if (leave == "time") {
            w.Practice().ElapsedSeconds = ExamTimeLimit;
            w.Timer1Timer();
        } else {
            notices.Answer(true);
            w.Exam().SubmitOnRequest();
        }
        QCOMPARE(dialogs.opened, 1);
        notices.Clear();
        QVERIFY(ReportOpened(entry));
        QVERIFY(notices.shown.isEmpty());

        // 重考本卷 opens the paper again: shut until it is handed in.
        dialogs.ThenClick("BtnRedo");
        notices.Answer(true);
        w.Exam().SubmitOnRequest();
        QVERIFY(!ReportOpened(entry));
        QCOMPARE(dialogs.unexpected, 0);
    }

private:
    std::unique_ptr<fixture::TBankFolder> bank;
};

QTEST_MAIN(TestReportEntry)
#include "test_report_entry.moc"
