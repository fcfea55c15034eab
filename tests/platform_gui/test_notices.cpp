#include "Guard.h"
#include "Notices.h"
#include "TestNotices.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <stdexcept>

using platform::Notices::Kind;

class TestNotices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::Notices::SetApplicationTitle(QStringLiteral("训练程序")); }

    void errorTextEndsInAFullStop_data();
    void errorTextEndsInAFullStop();
    void errorReportIsCaptionedWithTheTitle();
    void escapingErrorIsReportedAndTheCallerGoesOn();
    void noticesAndConfirmations();
};

void TestNotices::errorTextEndsInAFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "abc"
                            << "abc.";
    QTest::newRow("full stop") << "abc."
                               << "abc.";
    QTest::newRow("bracket, below the stop") << "x)"
                                             << "x)";
    QTest::newRow("hyphen, just below") << "a-"
                                        << "a-";
    QTest::newRow("slash, just above") << "a/"
                                       << "a/.";
    QTest::newRow("Chinese") << QStringLiteral("题库打开失败") << QStringLiteral("题库打开失败.");
    QTest::newRow("Chinese full stop") << QStringLiteral("失败。") << QStringLiteral("失败。.");
    QTest::newRow("line break last") << "a\r"
                                     << "a\r";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNotices::errorTextEndsInAFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(platform::Notices::ErrorReportText(message), shown);
}

void TestNotices::errorReportIsCaptionedWithTheTitle()
{
    fixture::TNotices notices;
    platform::Notices::ReportError(QStringLiteral("Resource tu1 not found"));
    QCOMPARE(notices.shown.size(), 1);
    const platform::Notices::TShown& box = notices.shown.front();
    QCOMPARE(box.kind, Kind::Error);
    QCOMPARE(box.caption, QStringLiteral("训练程序"));
    QCOMPARE(box.text, QStringLiteral("Resource tu1 not found."));
    QCOMPARE(box.icon, QMessageBox::Critical);
}

void TestNotices::escapingErrorIsReportedAndTheCallerGoesOn()
{
    fixture::TNotices notices;
    int reached = 0;
    platform::Guard([&] {
        ++reached;
        throw std::runtime_error(
            "Failed to open database \"Test.db\" : unable to open database file");
        ++reached;
    });
    platform::Guard([&] { ++reached; });
    QCOMPARE(reached, 2);
    QCOMPARE(notices.Texts(),
             QStringList{QStringLiteral(
                 "Failed to open database \"Test.db\" : unable to open database file.")});
    QCOMPARE(notices.shown.front().kind, Kind::Error);
}

void TestNotices::noticesAndConfirmations()
{
    fixture::TNotices notices;
    QWidget owner;
    platform::Notices::Inform(QStringLiteral("当前题库没有试题记录！"), &owner);
    notices.Answer(true);
    notices.Answer(false);
    QVERIFY(platform::Notices::Confirm(QStringLiteral("确定吗？"), QMessageBox::Question, &owner));
    QVERIFY(!platform::Notices::Confirm(QStringLiteral("确定吗？")));
    QCOMPARE(notices.shown.size(), 3);
    QCOMPARE(notices.shown[0].kind, Kind::Notice);
    QCOMPARE(notices.shown[0].caption, QStringLiteral("提示"));
    QCOMPARE(notices.shown[0].icon, QMessageBox::Information);
    QCOMPARE(notices.shown[0].owner, &owner);
    QCOMPARE(notices.shown[1].kind, Kind::Confirmation);
    QCOMPARE(notices.shown[1].caption, QStringLiteral("确认"));
    QCOMPARE(notices.shown[1].icon, QMessageBox::Question);
    QCOMPARE(notices.shown[2].icon, QMessageBox::Information);
    QCOMPARE(notices.unexpectedConfirmations, 0);
}

QTEST_MAIN(TestNotices)
#include "test_notices.moc"
