#include "AnswerSheet.h"
#include "Desktop.h"
#include "FindControl.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "TestNotices.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString AppTitle = QStringLiteral("砺行驾考－驾驶员考试单机版");

using fixture::Find;

// Runs fn once the modal dialog it opens is up, so no test ever waits on it.
void WhenModal(std::function<void(QWidget*)> fn)
{
    QTimer::singleShot(0, [fn] {
        if (QWidget* modal = QApplication::activeModalWidget())
            fn(modal);
    });
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::Notices::SetApplicationTitle(AppTitle); }

    void startUpShowsQuestionOneOfTheWholeBank();
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void clockShowsTheCountBeforeEachTick();
    void newPracticeResetsTheCountButNotTheTimer();
    void clockWrapsAfterADay_data();
    void clockWrapsAfterADay();
    void clockFallsBackToTheDefaultFont();
    void keyReleaseActsOncePerPress();
    void startUpWithoutABankReportsAndGoesOn();
    void aboutShowsTheVersionOnceEachOpening();
};

void TestMainWindow::startUpShowsQuestionOneOfTheWholeBank()
{
    auto bank = fixture::FullBank();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    TPractice& p = w.Practice();

    QCOMPARE(Find<QGroupBox>(w, "GrpMain")->title(), QStringLiteral("顺序练习(共计1177题)"));
    QCOMPARE(p.QuestionCount, 1177);
    QCOMPARE(p.CurrentNo, 1);
    int lowest = bank->Questions().front().id;
    for (const bank::TQuestion& q : bank->Questions())
        lowest = std::min(lowest, q.id);
    QCOMPARE(p.Questions.front().id, lowest);
    QVERIFY(Find<QLabel>(w, "LblExam")->text().startsWith(QStringLiteral("1.")));
    // The fixture's first question is a true/false one.
    QVERIFY(Find(w, "Panelpd")->isVisible());
    QVERIFY(!Find(w, "Panelxz")->isVisible());

    const auto* grd = Find<TAnswerSheet>(w, "Grd");
    QCOMPARE(grd->RowCount(), 118);
    QCOMPARE(grd->Model().Cell(117, 0).text, QStringLiteral("1171"));
    QCOMPARE(grd->Model().Cell(117, 6).text, QStringLiteral("1177"));
    for (int col = 7; col < 10; ++col)
        QVERIFY(grd->Model().Cell(117, col).text.isEmpty());
    QCOMPARE(grd->Row(), 0);
    QCOMPARE(grd->Col(), 0);
    QCOMPARE(w.focusWidget(), grd);

    const auto* prb = Find<QProgressBar>(w, "Prb");
    QCOMPARE(prb->value(), 1);
    QCOMPARE(prb->minimum(), 1);
    QCOMPARE(prb->maximum(), 1177);
    QVERIFY(Find<QTimer>(w, "Timer1")->isActive());
    QCOMPARE(Find<QLabel>(w, "LblTime")->text(), QStringLiteral("08:06:06"));
    QVERIFY(notices.shown.isEmpty());
}

void TestMainWindow::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");

    const struct
    {
        const char* name;
        QRect place;
        const char16_t* caption;
        bool visible;
    } rows[] = {
        {"ImgTop", {8, 5, 880, 80}, u"", true},
        {"PanTop", {8, 5, 880, 80}, u"", false},
        {"GrpTime", {7, 95, 137, 50}, u"计时", true},
        {"GrpBtn", {7, 151, 137, 410}, u"", true},
        {"BtnOrder", {16, 17, 104, 33}, u"顺序练习", true},
        {"BtnRandom", {16, 56, 104, 33}, u"随机练习", true},
        {"BtnChapter", {16, 95, 104, 33}, u"章节练习", true},
        {"BtnExam", {16, 134, 104, 33}, u"专项练习", true},
        {"BtnUpdate", {16, 173, 104, 33}, u"强化练习", true},
        {"BtnError", {16, 212, 104, 33}, u"错题练习", true},
        {"BtnMN", {16, 251, 104, 33}, u"模拟考试", true},
        {"BtnConfig", {16, 318, 104, 33}, u"键盘设置", true},
        {"BtnAbout", {16, 357, 104, 33}, u"关    于", true},
        {"GrpMain", {150, 95, 738, 465}, u"随机练习", true},
        {"LblExam", {16, 20, 512, 172}, u"加载试题中，请稍后......", true},
        {"ImgExam", {542, 28, 179, 132}, u"", false},
        {"Panelxz", {529, 174, 196, 50}, u"", true},
        {"BtnA", {13, 0, 40, 40}, u"A", true},
        {"BtnB", {60, 0, 40, 40}, u"B", true},
        {"BtnC", {106, 0, 40, 40}, u"C", true},
        {"BtnD", {153, 0, 40, 40}, u"D", true},
        {"Panelpd", {542, 174, 179, 44}, u"", false},
        {"BtnYes", {25, 1, 40, 40}, u"对", true},
        {"BtnNo", {116, 1, 40, 40}, u"错", true},
        {"Label3", {357, 194, 90, 12}, u"您的答案：_____", true},
        {"ImgAnswer", {446, 190, 25, 22}, u"", true},
        {"BtnSetError", {357, 226, 87, 33}, u"设为错题", true},
        {"BtnSelect", {450, 226, 87, 33}, u"显示答案", true},
        {"BtnPre", {543, 226, 87, 33}, u"上一题", true},
        {"BtnNext", {636, 226, 87, 33}, u"下一题", true},
        {"Image2", {16, 290, 33, 16}, u"", true},
        {"Label1", {55, 292, 36, 12}, u"未答题", true},
        {"Image3", {100, 290, 33, 16}, u"", true},
        {"Label2", {140, 292, 36, 12}, u"当前题", true},
        {"Image4", {190, 290, 33, 16}, u"", true},
        {"Label4", {230, 292, 36, 12}, u"已答题", true},
        {"Label5", {330, 292, 228, 12}, u"按 ← 键返回上一题  按 → 键前往下一题", true},
        {"Grd", {16, 311, 706, 144}, u"", true},
        {"Prb", {166, 361, 706, 17}, u"", true},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.place
                              << QString::fromUtf16(r.caption) << r.visible;
}

// The window before its first showing, as the layout builds it.
void TestMainWindow::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(bool, visible);
    TFrmMain w;
    const QWidget* control = w.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
    QCOMPARE(control->isVisibleTo(control->parentWidget()), visible);
    if (const auto* b = qobject_cast<const QAbstractButton*>(control))
        QCOMPARE(b->text(), caption);
    else if (const auto* g = qobject_cast<const QGroupBox*>(control))
        QCOMPARE(g->title(), caption);
    else if (const auto* l = qobject_cast<const QLabel*>(control); l && l->pixmap().isNull())
        QCOMPARE(l->text(), caption);
}

void TestMainWindow::clockShowsTheCountBeforeEachTick()
{
    auto bank = fixture::FullBank();
    TFrmMain w;
    w.show();
    auto* time = Find<QLabel>(w, "LblTime");
    const QStringList expected = {QStringLiteral("00:00:00"), QStringLiteral("00:00:01"),
                                  QStringLiteral("00:00:02")};
    for (const QString& shown : expected) {
        w.Timer1Timer();
        QCOMPARE(time->text(), shown);
    }
    QCOMPARE(w.Practice().ElapsedSeconds, 3);
    for (int tick = 4; tick <= 61; ++tick)
        w.Timer1Timer();
    QCOMPARE(time->text(), QStringLiteral("00:01:00"));
}

void TestMainWindow::newPracticeResetsTheCountButNotTheTimer()
{
    auto bank = fixture::FullBank();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    auto* timer = Find<QTimer>(w, "Timer1");
    for (int tick = 0; tick < 5; ++tick)
        w.Timer1Timer();
    const int remaining = timer->remainingTime();
    Find<QPushButton>(w, "BtnRandom")->click();
    QCOMPARE(w.Practice().ElapsedSeconds, 0);
    QVERIFY(timer->isActive());
    // A restarted timer would have its whole interval ahead of it again.
    QVERIFY(timer->remainingTime() <= remaining);
    w.Timer1Timer();
    QCOMPARE(Find<QLabel>(w, "LblTime")->text(), QStringLiteral("00:00:00"));
}

void TestMainWindow::clockWrapsAfterADay_data()
{
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("last second of the day") << 86399 << QStringLiteral("23:59:59");
    QTest::newRow("a whole day") << 86400 << QStringLiteral("00:00:00");
    QTest::newRow("a day and an hour") << 90000 << QStringLiteral("01:00:00");
}

void TestMainWindow::clockWrapsAfterADay()
{
    QFETCH(int, elapsed);
    QFETCH(QString, shown);
    auto bank = fixture::FullBank();
    TFrmMain w;
    w.show();
    w.Practice().ElapsedSeconds = elapsed;
    w.Timer1Timer();
    QCOMPARE(Find<QLabel>(w, "LblTime")->text(), shown);
    QCOMPARE(w.Practice().ElapsedSeconds, elapsed + 1);
}

void TestMainWindow::clockFallsBackToTheDefaultFont()
{
    if (platform::FontInstalled(QStringLiteral("WST_Span")))
        QSKIP("the clock's own font is installed here");
    auto bank = fixture::FullBank();
    TFrmMain w;
    auto* time = Find<QLabel>(w, "LblTime");
    QCOMPARE(time->font().pixelSize(), 24);
    QVERIFY(time->font().bold());
    w.show();
    QCOMPARE(time->font().family(), QApplication::font().family());
    QCOMPARE(time->font().pointSize(), 14);
    QVERIFY(!time->font().bold());
    QCOMPARE(time->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

// Each release reaches the window's key handling once, whichever widget it is sent to and
// however far it climbs through the parents.
void TestMainWindow::keyReleaseActsOncePerPress()
{
    auto bank = fixture::FullBank();
    TFrmMain w;
    w.show();
    TPractice& p = w.Practice();
    QTest::keyClick(Find(w, "Grd"), Qt::Key_Right);
    QCOMPARE(p.CurrentNo, 2);
    QTest::keyClick(Find(w, "LblExam"), Qt::Key_Right);
    QCOMPARE(p.CurrentNo, 3);
    QTest::keyClick(&w, Qt::Key_Left);
    QCOMPARE(p.CurrentNo, 2);
}

void TestMainWindow::startUpWithoutABankReportsAndGoesOn()
{
    auto folder = fixture::EmptyFolder();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    QCOMPARE(notices.shown.size(), 1);
    const platform::Notices::TShown& report = notices.shown.front();
    QCOMPARE(report.kind, platform::Notices::Kind::Error);
    QCOMPARE(report.caption, AppTitle);
    QCOMPARE(report.icon, QMessageBox::Critical);
    QVERIFY2(report.text.startsWith(QStringLiteral("Failed to open database \"Test.db\" : ")),
             qPrintable(report.text));
    QVERIFY(report.text.endsWith(QLatin1Char('.')));
    QCOMPARE(Find<QGroupBox>(w, "GrpMain")->title(), QStringLiteral("随机练习"));
    QCOMPARE(Find<QLabel>(w, "LblExam")->text(), QStringLiteral("加载试题中，请稍后......"));
    QCOMPARE(w.Practice().QuestionCount, 0);
    QVERIFY(!Find<QTimer>(w, "Timer1")->isActive());
    // The window is alive: the about dialog still opens and closes.
    bool opened = false;
    WhenModal([&](QWidget* dialog) {
        opened = true;
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    Find<QPushButton>(w, "BtnAbout")->click();
    QVERIFY(opened);
}

void TestMainWindow::aboutShowsTheVersionOnceEachOpening()
{
    auto bank = fixture::FullBank();
    TFrmMain w;
    w.show();
    for (int opening = 0; opening < 2; ++opening) {
        QString shown;
        WhenModal([&](QWidget* dialog) {
            shown = dialog->findChild<QLabel*>(QStringLiteral("Label2"))->text();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("关于"));
            QCOMPARE(dialog->size(), QSize(456, 193));
            QCOMPARE(dialog->parentWidget(), &w);
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        Find<QPushButton>(w, "BtnAbout")->click();
        QCOMPARE(shown, QStringLiteral("砺行驾考－驾驶员考试个人单机版(Ver 1.5)"));
        QVERIFY(!w.findChild<QDialog*>());
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
