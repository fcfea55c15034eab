#include "AnswerSheet.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "KeyBindings.h"
#include "TestNotices.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString FirstMessage = QStringLiteral("当前已是该类试题中的第一道题！");
const QString LastMessage = QStringLiteral("当前已是该类试题中的最后一道题！");

// Choice questions 1, 3 and 4, true/false questions 2 and 5.
std::vector<bank::TQuestion> Mixed()
{
    return {fixture::ChoiceQuestion(1, 1), fixture::TrueFalseQuestion(2, 1),
            fixture::ChoiceQuestion(3, 1, QStringLiteral("B")),
            fixture::ChoiceQuestion(4, 1, QStringLiteral("C")),
            fixture::TrueFalseQuestion(5, 1, QStringLiteral("错"))};
}

TAnswerSheet& Grid(TFrmMain& w)
{
    return *w.Controls().Grd;
}

QModelIndex CellIndex(TFrmMain& w, int row, int col)
{
    return Grid(w).Model().index(row, col);
}

void ClickCell(TFrmMain& w, int row, int col)
{
    TAnswerSheet& grid = Grid(w);
    grid.scrollTo(CellIndex(w, row, col));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(CellIndex(w, row, col)).center());
}

void ClickBar(TFrmMain& w, int x)
{
    QTest::mouseClick(w.Controls().Prb, Qt::LeftButton, {}, QPoint(x, 8));
}

// The selected cell is the question's own and can be seen in the grid.
void VerifySelectedAndVisible(TFrmMain& w, int n)
{
    TAnswerSheet& grid = Grid(w);
    const TCellPos cell = CellOfQuestion(n);
    QCOMPARE(grid.Row(), cell.row);
    QCOMPARE(grid.Col(), cell.col);
    QVERIFY(grid.selectionModel()->isSelected(CellIndex(w, cell.row, cell.col)));
    QVERIFY(grid.viewport()->rect().contains(grid.visualRect(CellIndex(w, cell.row, cell.col))));
}

void VerifyShown(TFrmMain& w, int n)
{
    TPractice& p = w.Practice();
    QCOMPARE(p.CurrentNo, n);
    QCOMPARE(w.Controls().Prb->value(), n);
    QCOMPARE(w.Controls().LblExam->text(), p.Questions[size_t(n - 1)].question);
    VerifySelectedAndVisible(w, n);
}

int AnswersGiven(const TPractice& p)
{
    return int(std::count_if(p.Questions.begin(), p.Questions.end(),
                             [](const myRecord& q) { return !q.answer.isEmpty(); }));
}

void WriteConfig(const QByteArray& keyboardKey)
{
    QFile file(ConfigFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[keyboard_key]\n" + keyboardKey + "\n");
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void previousAndNextStopAtTheEnds();
    void gridClickJumps();
    void emptyCellMovesOnlyTheSelection();
    void onlyALeftClickChoosesACell_data();
    void onlyALeftClickChoosesACell();
    void progressBar_data();
    void progressBar();
    void nextAndPreviousFollowTheGridDeepIntoTheBank();
    void keys_data();
    void keys();
    void heldKeyActsOnceOnRelease();
    void keysWithoutPracticeDoNothing();
};

void TestNavigation::previousAndNextStopAtTheEnds()
{
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    TFrmMain w;
    w.show();

    w.Controls().BtnPre->click();
    QCOMPARE(notices.Texts(), QStringList{FirstMessage});
    QCOMPARE(notices.shown.front().caption, QStringLiteral("提示"));
    QCOMPARE(notices.shown.front().owner, &w);
    VerifyShown(w, 1);

    notices.Clear();
    QTest::mouseClick(w.Controls().BtnNext, Qt::LeftButton);
    QTest::mouseClick(w.Controls().BtnNext, Qt::LeftButton);
    VerifyShown(w, 3);
    QVERIFY(notices.shown.isEmpty());
    QTest::mouseClick(w.Controls().BtnNext, Qt::LeftButton);
    QCOMPARE(notices.Texts(), QStringList{LastMessage});
    QCOMPARE(notices.shown.front().owner, &w);
    VerifyShown(w, 3);

    notices.Clear();
    QTest::mouseClick(w.Controls().BtnPre, Qt::LeftButton);
    VerifyShown(w, 2);
    QVERIFY(notices.shown.isEmpty());
}

void TestNavigation::gridClickJumps()
{
    auto bank = fixture::SmallBank(fixture::Choices(25));
    fixture::TNotices notices;
    TFrmMain w;
    w.show();

    ClickCell(w, 2, 3);
    VerifyShown(w, 24);
    ClickCell(w, 0, 6);
    VerifyShown(w, 7);
    QVERIFY(notices.shown.isEmpty());
}

void TestNavigation::emptyCellMovesOnlyTheSelection()
{
    auto bank = fixture::SmallBank(fixture::Choices(5));
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    ClickCell(w, 0, 2);
    const QString shownText = w.Controls().LblExam->text();

    ClickCell(w, 0, 7);
    QCOMPARE(w.Practice().CurrentNo, 3);
    QCOMPARE(w.Controls().Prb->value(), 3);
    QCOMPARE(w.Controls().LblExam->text(), shownText);
    QCOMPARE(Grid(w).Row(), 0);
    QCOMPARE(Grid(w).Col(), 7);
    QVERIFY(notices.shown.isEmpty());
}

void TestNavigation::onlyALeftClickChoosesACell_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("drag");
    QTest::addColumn<int>("shown");

    QTest::newRow("right click") << Qt::RightButton << false << 3;
    QTest::newRow("middle click") << Qt::MiddleButton << false << 3;
    QTest::newRow("right double click") << Qt::RightButton << true << 3;
    QTest::newRow("left press dragged to another cell") << Qt::LeftButton << true << 7;
}

// Question 3 is on display; the gesture starts on question 7's cell and, where it drags or
// double-clicks, ends on question 24's. Whatever it does, the cell selected is the shown one's.
void TestNavigation::onlyALeftClickChoosesACell()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, drag);
    QFETCH(int, shown);
    auto bank = fixture::SmallBank(fixture::Choices(25));
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    ClickCell(w, 0, 2);
    QWidget* viewport = Grid(w).viewport();
    const QPoint from = Grid(w).visualRect(CellIndex(w, 0, 6)).center();
    const QPoint to = Grid(w).visualRect(CellIndex(w, 2, 3)).center();

    if (button == Qt::LeftButton) {
        QTest::mousePress(viewport, button, {}, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, button, {}, to);
    } else {
        QTest::mouseClick(viewport, button, {}, from);
        if (drag)
            QTest::mouseDClick(viewport, button, {}, to);
    }
    VerifyShown(w, shown);
    QVERIFY(notices.shown.isEmpty());
}

void TestNavigation::progressBar_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");

    QTest::newRow("left edge") << 25 << 0 << 1;
    QTest::newRow("middle of 25") << 25 << 353 << 13;
    QTest::newRow("last pixel of a paper of 100") << 100 << 705 << 100;
    QTest::newRow("last pixel of the full bank") << 1177 << 705 << 1175;
    QTest::newRow("left edge of the full bank") << 1177 << 0 << 1;
}

void TestNavigation::progressBar()
{
    QFETCH(int, questions);
    QFETCH(int, x);
    QFETCH(int, expected);
    auto bank =
        questions == 1177 ? fixture::FullBank() : fixture::SmallBank(fixture::Choices(questions));
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    QCOMPARE(w.Controls().Prb->width(), 706);
    ClickCell(w, 1, 1);

    ClickBar(w, x);
    VerifyShown(w, expected);
    QVERIFY(notices.shown.isEmpty());
}

void TestNavigation::nextAndPreviousFollowTheGridDeepIntoTheBank()
{
    auto bank = fixture::FullBank();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();

    ClickBar(w, 705);
    w.Controls().BtnNext->click();
    VerifyShown(w, 1176);
    w.Controls().BtnNext->click();
    VerifyShown(w, 1177);
    w.Controls().BtnNext->click();
    QCOMPARE(notices.Texts(), QStringList{LastMessage});

    ClickBar(w, 0);
    VerifyShown(w, 1);
    w.Controls().BtnNext->click();
    VerifyShown(w, 2);
    w.Controls().BtnPre->click();
    VerifyShown(w, 1);
}

void TestNavigation::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("exam");
    QTest::addColumn<int>("expectedNo");
    QTest::addColumn<QString>("answer"); // of the question finally on display; empty: none given
    QTest::addColumn<int>("submitPresses");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const QString no;
    const QString yes = QStringLiteral("对");
    const QString wrong = QStringLiteral("错");
    auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    row("left arrow") << int(Qt::Key_Left) << none << QByteArray() << 3 << false << 2 << no << 0;
    row("up arrow") << int(Qt::Key_Up) << none << QByteArray() << 3 << false << 2 << no << 0;
    row("keypad minus") << int(Qt::Key_Minus) << keypad << QByteArray() << 3 << false << 2 << no
                        << 0;
    row("Page Up, the default") << int(Qt::Key_PageUp) << none << QByteArray() << 3 << false << 2
                                << no << 0;
    row("right arrow") << int(Qt::Key_Right) << none << QByteArray() << 3 << false << 4 << no << 0;
    row("down arrow") << int(Qt::Key_Down) << none << QByteArray() << 3 << false << 4 << no << 0;
    row("keypad plus") << int(Qt::Key_Plus) << keypad << QByteArray() << 3 << false << 4 << no << 0;
    row("Page Down, the default") << int(Qt::Key_PageDown) << none << QByteArray() << 3 << false
                                  << 4 << no << 0;
    row("main minus") << int(Qt::Key_Minus) << none << QByteArray() << 3 << false << 3 << no << 0;
    row("main plus") << int(Qt::Key_Plus) << none << QByteArray() << 3 << false << 3 << no << 0;
    row("main equals") << int(Qt::Key_Equal) << none << QByteArray() << 3 << false << 3 << no << 0;

    row("A") << int(Qt::Key_A) << none << QByteArray() << 3 << false << 3 << "A" << 0;
    row("Shift+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << QByteArray()
                   << 3 << false << 3 << "A" << 0;
    row("B") << int(Qt::Key_B) << none << QByteArray() << 3 << false << 3 << "B" << 0;
    row("C") << int(Qt::Key_C) << none << QByteArray() << 3 << false << 3 << "C" << 0;
    row("D") << int(Qt::Key_D) << none << QByteArray() << 3 << false << 3 << "D" << 0;
    row("keypad 7 answers A") << int(Qt::Key_7) << keypad << QByteArray() << 3 << false << 3 << "A"
                              << 0;
    row("keypad 4 answers B") << int(Qt::Key_4) << keypad << QByteArray() << 3 << false << 3 << "B"
                              << 0;
    row("keypad 1 answers C") << int(Qt::Key_1) << keypad << QByteArray() << 3 << false << 3 << "C"
                              << 0;
    row("keypad 0 answers D") << int(Qt::Key_0) << keypad << QByteArray() << 3 << false << 3 << "D"
                              << 0;
    row("main 7 is not keypad 7") << int(Qt::Key_7) << none << QByteArray() << 3 << false << 3 << no
                                  << 0;
    row("Num Lock off: keypad 4 moves back")
        << int(Qt::Key_Left) << keypad << QByteArray() << 3 << false << 2 << no << 0;
    row("Num Lock off: keypad 7 is Home")
        << int(Qt::Key_Home) << keypad << QByteArray() << 3 << false << 3 << no << 0;

    row("true/false: A") << int(Qt::Key_A) << none << QByteArray() << 2 << false << 2 << yes << 0;
    row("true/false: keypad 7") << int(Qt::Key_7) << keypad << QByteArray() << 2 << false << 2
                                << yes << 0;
    row("true/false: B") << int(Qt::Key_B) << none << QByteArray() << 2 << false << 2 << wrong << 0;
    row("true/false: keypad 4") << int(Qt::Key_4) << keypad << QByteArray() << 2 << false << 2
                                << wrong << 0;
    row("true/false: C") << int(Qt::Key_C) << none << QByteArray() << 2 << false << 2 << no << 0;
    row("true/false: D") << int(Qt::Key_D) << none << QByteArray() << 2 << false << 2 << no << 0;
    row("true/false: keypad 1") << int(Qt::Key_1) << keypad << QByteArray() << 2 << false << 2 << no
                                << 0;
    row("true/false: keypad 0") << int(Qt::Key_0) << keypad << QByteArray() << 2 << false << 2 << no
                                << 0;
    row("true/false: own binding")
        << int(Qt::Key_9) << keypad << QByteArray("EDTN=105") << 5 << false << 5 << wrong << 0;
    row("choice ignores the true/false binding")
        << int(Qt::Key_9) << keypad << QByteArray("EDTN=105") << 3 << false << 3 << no << 0;

    row("binding on a navigation key moves back, then answers")
        << int(Qt::Key_Left) << none << QByteArray("EDTA=37") << 4 << false << 3 << "A" << 0;
    row("binding above 255 binds nothing")
        << int(Qt::Key_7) << keypad << QByteArray("EDTA=-1") << 3 << false << 3 << no << 0;
    row("binding above 255 leaves the fixed key")
        << int(Qt::Key_A) << none << QByteArray("EDTA=-1") << 3 << false << 3 << "A" << 0;
    row("key without a code against a binding of 0")
        << int(Qt::Key_VolumeUp) << none << QByteArray("EDTA=0") << 3 << false << 3 << no << 0;
    row("hexadecimal binding") << int(Qt::Key_F2) << none << QByteArray("EDTD=0x71") << 3 << false
                               << 3 << "D" << 0;
    row("binding that is no number keeps the default")
        << int(Qt::Key_4) << keypad << QByteArray("EDTB=abc") << 3 << false << 3 << "B" << 0;

    row("Enter outside an exam") << int(Qt::Key_Return) << none << QByteArray() << 3 << false << 3
                                 << no << 0;
    row("Enter in an exam") << int(Qt::Key_Return) << none << QByteArray() << 3 << true << 3 << no
                            << 1;
    row("keypad Enter in an exam")
        << int(Qt::Key_Enter) << keypad << QByteArray() << 3 << true << 3 << no << 1;
    row("Enter bound to answer C")
        << int(Qt::Key_Return) << none << QByteArray("EDTC=13") << 3 << false << 3 << "C" << 0;
}

void TestNavigation::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QByteArray, config);
    QFETCH(int, start);
    QFETCH(bool, exam);
    QFETCH(int, expectedNo);
    QFETCH(QString, answer);
    QFETCH(int, submitPresses);

    auto bank = fixture::SmallBank(Mixed());
    fixture::TNotices notices;
    if (!config.isEmpty())
        WriteConfig(config);
    TFrmMain w;
    w.show();
    QTest::mouseClick(w.Controls().ChkAutoNext, Qt::LeftButton);
    QVERIFY(!w.Practice().AutoNext);
    ClickCell(w, 0, start - 1);
    w.Practice().ExamMode = exam;
    notices.Answer(false);
    QSignalSpy submits(w.Controls().BtnSetError, &QPushButton::clicked);

    // Released anywhere in the window, the key still acts, and the grid takes the focus.
    QPushButton* elsewhere = w.Controls().BtnSelect;
    elsewhere->setFocus();
    QTest::keyClick(elsewhere, Qt::Key(key), modifiers);

    QCOMPARE(w.Practice().CurrentNo, expectedNo);
    QCOMPARE(w.Controls().Prb->value(), expectedNo);
    QCOMPARE(w.Practice().Questions[size_t(expectedNo - 1)].answer, answer);
    QCOMPARE(AnswersGiven(w.Practice()), answer.isEmpty() ? 0 : 1);
    QCOMPARE(submits.count(), submitPresses);
    QCOMPARE(w.focusWidget(), &Grid(w));
}

void TestNavigation::heldKeyActsOnceOnRelease()
{
    auto bank = fixture::SmallBank(Mixed());
    fixture::TNotices notices;
    TFrmMain w;
    w.show();

    for (int i = 0; i < 3; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(&Grid(w), &press);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&Grid(w), &repeated);
    }
    QCOMPARE(w.Practice().CurrentNo, 1);
    QTest::keyRelease(&Grid(w), Qt::Key_Right);
    QCOMPARE(w.Practice().CurrentNo, 2);
    QVERIFY(notices.shown.isEmpty());
}

void TestNavigation::keysWithoutPracticeDoNothing()
{
    auto folder = fixture::EmptyFolder();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    QCOMPARE(notices.shown.size(), 1); // the failed load
    QCOMPARE(notices.shown.front().kind, platform::Notices::Kind::Error);

    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_A, Qt::Key_Return})
        QTest::keyClick(&Grid(w), key);
    QCOMPARE(notices.shown.size(), 1);
    QCOMPARE(w.Practice().CurrentNo, 0);
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
