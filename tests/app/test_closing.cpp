#include "Fixture.h"
#include "FrmMain.h"
#include "Pump.h"
#include "TestNotices.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

// The learner closes the main window while a nested loop runs: the loop ends, the handler
// that started it goes on no further than it must, and the window can then be destroyed
// with nothing left to run on it.
class TestClosing : public QObject
{
    Q_OBJECT

private slots:
    void closeDuringPause();
    void closeDuringDialog();
    void closeWhileBoxOpen();

private:
    // Destroys the window and lets everything still queued run.
    static void DestroyAndDrain(std::unique_ptr<TFrmMain>& w)
    {
        QPointer<TFrmMain> alive = w.get();
        w.reset();
        QVERIFY(!alive);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

void TestClosing::closeDuringPause()
{
    auto bank = fixture::FullBank();
    auto w = std::make_unique<TFrmMain>();
    w->show();
    TPractice& p = w->Practice();
    QVERIFY(p.AutoNext);
    QTimer::singleShot(20, w.get(), [&] { w->close(); });
    // Question 1 is a true/false one: answering it pauses before moving on.
    w->findChild<QPushButton*>(QStringLiteral("BtnYes"))->click();
    QVERIFY(platform::Quitting());
    QVERIFY(!w->isVisible());
    QCOMPARE(p.Questions[0].answer, QStringLiteral("对"));
    QCOMPARE(p.CurrentNo, 1);
    DestroyAndDrain(w);
}

void TestClosing::closeDuringDialog()
{
    auto bank = fixture::FullBank();
    auto w = std::make_unique<TFrmMain>();
    w->show();
    bool closedWhileOpen = false;
    QTimer::singleShot(0, w.get(), [&] {
        closedWhileOpen = QApplication::activeModalWidget() != nullptr;
        w->close();
    });
    w->findChild<QPushButton*>(QStringLiteral("BtnAbout"))->click();
    QVERIFY(closedWhileOpen);
    QVERIFY(!w->findChild<QDialog*>());
    QVERIFY(!w->isVisible());
    DestroyAndDrain(w);
}

void TestClosing::closeWhileBoxOpen()
{
    auto q2 = fixture::ChoiceQuestion(2, 1);
    q2.imgname = QStringLiteral("nowhere");
    auto bank = fixture::SmallBank({fixture::TrueFalseQuestion(1, 1), q2});
    fixture::TNotices notices;
    auto w = std::make_unique<TFrmMain>();
    w->show();
    notices.WhileOpen([&](const platform::Notices::TShown&) { w->close(); });
    w->findChild<QPushButton*>(QStringLiteral("BtnNext"))->click();
    QCOMPARE(notices.Texts(), QStringList{QStringLiteral("Resource nowhere not found.")});
    QVERIFY(!w->isVisible());
    QVERIFY(w->findChild<QLabel*>(QStringLiteral("LblExam"))->text().startsWith("2."));
    DestroyAndDrain(w);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestClosing test;
    QStringList args = app.arguments();
    if (args.size() == 1)
        args << QStringLiteral(CLOSING_CASE);
    return QTest::qExec(&test, args);
}

#include "test_closing.moc"
