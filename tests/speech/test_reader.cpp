#include "AnswerSheet.h"
#include "ExamDialogs.h"
#include "FindControl.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "Reading.h"
#include "SoundRecording.h"
#include "SpeakEntry.h"
#include "TestNotices.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

using fixture::Find;

const QString Stem = QStringLiteral("驾驶人驾驶机动车时，应当随身携带哪种证件？");

// Question 1 true/false, 2 a choice question whose stem runs over two lines.
std::unique_ptr<fixture::TBankFolder> ReadingBank()
{
    auto choice = fixture::ChoiceQuestion(2, 1, QStringLiteral("D"));
    choice.title = QStringLiteral("驾驶人驾驶机动车时，\n应当随身携带哪种证件？");
    choice.a = QStringLiteral("A、户口簿");
    choice.b = QStringLiteral("B、机动车登记证书");
    choice.c = QStringLiteral("C、购车发票");
    choice.d = QStringLiteral("D、机动车驾驶证");
    auto truth = fixture::TrueFalseQuestion(1, 1, QStringLiteral("对"));
    truth.title = QStringLiteral("驾驶机动车上道路行驶，应当依法取得机动车驾驶证。");
    return fixture::SmallBank({truth, choice});
}

const QStringList TrueFalseRead = {
    QStringLiteral("第1题"), QStringLiteral("驾驶机动车上道路行驶，应当依法取得机动车驾驶证。"),
    QStringLiteral("对，还是错？")};
const QStringList ChoiceRead = {QStringLiteral("第2题"),
                                QStringLiteral("驾驶人驾驶机动车时，"),
                                QStringLiteral("应当随身携带哪种证件？"),
                                QStringLiteral("A、户口簿"),
                                QStringLiteral("B、机动车登记证书"),
                                QStringLiteral("C、购车发票"),
                                QStringLiteral("D、机动车驾驶证")};

} // namespace

class TestReader : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        bank = ReadingBank();
        notices = std::make_unique<fixture::TNotices>();
        w = std::make_unique<TFrmMain>();
        w->Reader().SetOutput(sound);
        w->show();
        QTRY_VERIFY_WITH_TIMEOUT(Entry()->isEnabled(), 20000);
    }
    void cleanup()
    {
        w.reset();
        notices.reset();
        bank.reset();
        sound = TSoundRecording();
    }

    void readsWhatTheQuestionShows_data();
    void readsWhatTheQuestionShows();
    void examNeverReadsTheAnswerBeforeSubmission();
    void entryReadsAndRestarts();
    void movingOnSilencesTheReading_data();
    void movingOnSilencesTheReading();
    void autoReadReadsEachQuestionShown();
    void keypadStarReadsUnlessBound_data();
    void keypadStarReadsUnlessBound();
    void entryNeverTakesTheFocus();
    void closingWhileSynthesisingEnds();
    void unavailableEntryIsDisabledAndSaysWhy_data();
    void unavailableEntryIsDisabledAndSaysWhy();

private:
    QToolButton* Entry() const { return Find<QToolButton>(*w, "BtnSpeak"); }
    QStringList ReadNow() const
    {
        TPractice& p = w->Practice();
        return ReadingOf(*p.Current(), AnswerMayBeRead(p));
    }
    // The reader plays the samples of a new reading.
    bool Reading(int begun) const
    {
        return QTest::qWaitFor([&] { return sound.begun == begun && sound.played > 0; }, 20000);
    }

    std::unique_ptr<fixture::TBankFolder> bank;
    std::unique_ptr<fixture::TNotices> notices;
    std::unique_ptr<TFrmMain> w;
    TSoundRecording sound;
};

void TestReader::readsWhatTheQuestionShows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("showAnswer");
    QTest::addColumn<QStringList>("read");
    QTest::newRow("true/false") << 1 << false << TrueFalseRead;
    QTest::newRow("choice, stem over two lines") << 2 << false << ChoiceRead;
    QTest::newRow("true/false, answer shown")
        << 1 << true << (TrueFalseRead + QStringList{QStringLiteral("正确答案：对")});
    QTest::newRow("choice, answer shown")
        << 2 << true << (ChoiceRead + QStringList{QStringLiteral("正确答案：D")});
}

void TestReader::readsWhatTheQuestionShows()
{
    QFETCH(int, number);
    QFETCH(bool, showAnswer);
    QFETCH(QStringList, read);
    TPractice& p = w->Practice();
    p.CurrentNo = number;
    p.ShowQuestion();
    if (showAnswer)
        w->Controls().BtnSelect->click();
    QCOMPARE(ReadNow(), read);
}

void TestReader::examNeverReadsTheAnswerBeforeSubmission()
{
    TExamDialogs dialogs;
    TPractice& p = w->Practice();
    w->Controls().BtnMN->click();
    QVERIFY(p.ExamMode && !p.ExamReviewed);
    QVERIFY(!ReadNow().join(QString()).contains(QStringLiteral("正确答案")));
    // Not even with the answer label turned on by some other route.
    p.BtnSelectClick();
    QVERIFY(p.AnswerShown);
    QVERIFY(!ReadNow().join(QString()).contains(QStringLiteral("正确答案")));
    p.BtnSelectClick();

    // Submitted, the dialog closed by its close box: the paper is still not being reviewed.
    dialogs.ThenCloseBox();
    notices->Answer(true);
    w->Exam().SubmitOnRequest();
    QVERIFY(!ReadNow().join(QString()).contains(QStringLiteral("正确答案")));

    dialogs.ThenClick("BtnResult");
    notices->Answer(true);
    w->Exam().SubmitOnRequest();
    QVERIFY(p.ExamReviewed);
    QCOMPARE(ReadNow().last(), QStringLiteral("正确答案：") + p.Current()->result);
    QCOMPARE(dialogs.unexpected, 0);
}

void TestReader::entryReadsAndRestarts()
{
    Entry()->click();
    QVERIFY(Reading(1));
    // A second press starts the question again from its beginning.
    const int stopped = sound.stopped;
    sound.played = 0;
    Entry()->menu()->findChild<QAction*>(QStringLiteral("mniSpeakNow"))->trigger();
    QVERIFY(sound.stopped > stopped);
    QVERIFY(Reading(2));
}

void TestReader::movingOnSilencesTheReading_data()
{
    QTest::addColumn<QString>("move");
    QTest::newRow("next question") << QStringLiteral("BtnNext");
    QTest::newRow("answer and move on") << QStringLiteral("BtnYes");
    QTest::newRow("another practice") << QStringLiteral("BtnRandom");
}

void TestReader::movingOnSilencesTheReading()
{
    QFETCH(QString, move);
    // Long enough that the synthesis is still running when the question changes.
    w->Practice().Questions[0].question += QString(QStringLiteral("\r\n")).repeated(2) +
                                           QStringList(30, Stem).join(QStringLiteral("\r\n"));
    Entry()->click();
    QVERIFY(Reading(1));
    const int stopped = sound.stopped;
    w->findChild<QPushButton*>(move)->click();
    QVERIFY(sound.stopped > stopped);
    // Nothing of the old reading plays any more, and nothing new starts by itself.
    const qsizetype played = sound.played;
    QTest::qWait(300);
    QCOMPARE(sound.played, played);
    QCOMPARE(sound.begun, 1);
}

void TestReader::autoReadReadsEachQuestionShown()
{
    QAction* automatic = Entry()->menu()->findChild<QAction*>(QStringLiteral("mniAutoRead"));
    QVERIFY(automatic->isCheckable() && !automatic->isChecked());
    automatic->trigger();
    QVERIFY(w->Reader().AutoRead());
    QVERIFY(Reading(1));
    sound.played = 0;
    w->Controls().BtnNext->click();
    QVERIFY(Reading(2));
    automatic->trigger();
    w->Controls().BtnPre->click();
    QTest::qWait(300);
    QCOMPARE(sound.begun, 2);
}

void TestReader::keypadStarReadsUnlessBound_data()
{
    QTest::addColumn<QString>("binding");
    QTest::addColumn<bool>("reads");
    QTest::newRow("default bindings") << QString() << true;
    QTest::newRow("bound to 对") << QStringLiteral("EDTY") << false;
    QTest::newRow("bound to next") << QStringLiteral("EDTNEXT") << false;
}

void TestReader::keypadStarReadsUnlessBound()
{
    QFETCH(QString, binding);
    QFETCH(bool, reads);
    if (!binding.isEmpty()) {
        QFile config(bank->FilePath(QStringLiteral("Config.cfg")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("[keyboard_key]\n%1=106\n").arg(binding).toUtf8());
    }
    QTest::keyClick(w->Controls().Grd, Qt::Key_Asterisk, Qt::KeypadModifier);
    if (reads) {
        QVERIFY(Reading(1));
        return;
    }
    QTest::qWait(300);
    QCOMPARE(sound.begun, 0);
    // The key did what its binding says instead.
    QVERIFY(w->Practice().CurrentNo == 2 || !w->Practice().Questions[0].answer.isEmpty());
}

void TestReader::entryNeverTakesTheFocus()
{
    QWidget* grid = w->Controls().Grd;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    grid->setFocus();
    QCOMPARE(Entry()->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(Entry(), Qt::LeftButton, {}, QPoint(20, 12));
    QVERIFY(Reading(1));
    QCOMPARE(QApplication::focusWidget(), grid);
}

void TestReader::closingWhileSynthesisingEnds()
{
    w->Practice().Questions[0].question = QStringList(200, Stem).join(QStringLiteral("\r\n"));
    Entry()->click();
    QVERIFY(Reading(1));
    const int stopped = sound.stopped;
    w->close();
    QVERIFY(sound.stopped > stopped);
    w.reset();
    QCoreApplication::processEvents();
}

void TestReader::unavailableEntryIsDisabledAndSaysWhy_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("noSound");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("no voice") << QStringLiteral("xx-none") << QString()
                              << QStringLiteral("找不到普通话语音，无法朗读");
    QTest::newRow("no sound") << TVoice().name << QStringLiteral("没有可用的声音设备，无法朗读")
                              << QStringLiteral("没有可用的声音设备，无法朗读");
}

void TestReader::unavailableEntryIsDisabledAndSaysWhy()
{
    QFETCH(QString, voice);
    QFETCH(QString, noSound);
    QFETCH(QString, tooltip);
    TSpeechEngine engine({voice, QString()});
    TSoundRecording output;
    output.problem = noSound;
    TReader reader(w->Practice(), engine, output);
    QWidget strip;
    QToolButton* entry = BuildSpeakEntry(strip, reader);
    QVERIFY(!entry->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(entry->toolTip(), tooltip, 20000);
    QVERIFY(!entry->isEnabled());
    // The key and every new question pass by quietly: no box, no sound.
    reader.KeyUp(TReader::ReadKey);
    reader.SetAutoRead(true);
    w->Controls().BtnNext->click();
    QTest::qWait(100);
    QCOMPARE(output.begun, 0);
    QVERIFY(notices->shown.isEmpty());
}

QTEST_MAIN(TestReader)
#include "test_reader.moc"
