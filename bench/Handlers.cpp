#include "AnswerSheet.h"
#include "BenchContext.h"
#include "Benchmarks.h"
#include "Db.h"
#include "ExamDialogs.h"
#include "KeyBindings.h"
#include "ProfileStrings.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStringList>
#include <vector>

namespace {

TFrmMain& Window()
{
    return Context().Window();
}

TPractice& Practice()
{
    return Window().Practice();
}

const TMainControls& Controls()
{
    return Window().Controls();
}

void Expect(benchmark::State& state, bool condition, const char* what)
{
    if (!condition)
        state.SkipWithError(what);
}

// The whole bank in order, question 1 on display, answers given without moving on.
void OrderedBank()
{
    Controls().BtnOrder->click();
    if (Practice().AutoNext)
        Controls().ChkAutoNext->click();
}

// A benchmark that presses one button again and again on the whole-bank practice; 0 expects
// the whole bank.
void Click(benchmark::State& state, QPushButton* TMainControls::*button, int expectedCount = 0)
{
    if (expectedCount == 0)
        expectedCount = Context().Questions();
    OrderedBank();
    QPushButton* pressed = Controls().*button;
    TimeEach(state, OnScreen([&] { pressed->click(); }));
    Expect(state, Practice().QuestionCount == expectedCount, "the practice has the wrong size");
}

void ChapterStart(benchmark::State& state)
{
    TimeEach(state, OnScreen([] {
                 Window().Starts().SetChapterExam(
                     QStringLiteral("order by id"), QStringLiteral("where chapter=1"),
                     QStringLiteral("第一章 道路交通安全法律、法规和规章"));
             }));
    Expect(state, Practice().QuestionCount == Context().FirstChapter(),
           "chapter 1 was not started whole");
}

// Exactly the first 200 questions in the error book.
void MarkErrorBook()
{
    db::UpdateQuestions(QString(), QStringLiteral("set iserror=0"));
    db::UpdateQuestions(
        QStringLiteral("where id in (select id from examdata order by id limit 200)"),
        QStringLiteral("set iserror=1"));
}

void ErrorBook(benchmark::State& state)
{
    MarkErrorBook();
    Click(state, &TMainControls::BtnError, 200);
    Expect(state, Practice().ErrorMode, "the error book did not start");
}

void WholeBankReset(benchmark::State& state)
{
    OrderedBank();
    TimeEach(state, OnScreen([] { Practice().ResetPractice(Context().Questions()); }));
}

// Question n on display through the answer sheet, as a click on its cell puts it there.
void GoTo(int n)
{
    const TCellPos cell = CellOfQuestion(n);
    Controls().Grd->GotoCell(cell.row, cell.col);
    Practice().GrdClickCell(cell.row, cell.col);
}

// The numbers of the first two questions with a picture, or of the first two without.
std::vector<int> TwoQuestions(bool withPicture)
{
    const examdata& questions = Practice().Questions;
    std::vector<int> found;
    for (size_t i = 0; i < questions.size() && found.size() < 2; ++i)
        if (questions[i].imgname.isEmpty() != withPicture)
            found.push_back(static_cast<int>(i) + 1);
    return found;
}

QWidget* ExplainPanel()
{
    return Window().findChild<QWidget*>(QStringLiteral("PanExplain"));
}

// Gives the questions in these places of the ordered practice an explanation of several
// lines, as a school's bank may have, and starts the practice again so that they carry it.
void Explain(const std::vector<int>& numbers)
{
    QStringList ids;
    for (int n : numbers)
        ids << QString::number(Practice().Questions[static_cast<size_t>(n - 1)].id);
    db::UpdateQuestions(
        QStringLiteral("where id in (%1)").arg(ids.join(QLatin1Char(','))),
        QStringLiteral("set explain='%1'")
            .arg(QStringLiteral(
                     "黄灯亮时，已越过停止线的车辆可以继续通行；未越过的应当停车等待。\r\n")
                     .repeated(6)));
    OrderedBank();
}

// The later benchmarks see the bank as it was.
void ForgetExplanations()
{
    db::UpdateQuestions(QString(), QStringLiteral("set explain=NULL"));
}

// Two questions of the kind in turn, so that every showing changes what is on screen; the
// explained ones with their right answer shown, so that the panel shows each explanation.
void Show(benchmark::State& state, bool withPicture, bool explained = false)
{
    OrderedBank();
    const std::vector<int> two = TwoQuestions(withPicture);
    if (two.size() != 2) {
        state.SkipWithError("the bank lacks two such questions");
        return;
    }
    if (explained) {
        Explain(two);
        Controls().BtnSelect->click();
    }
    // The first picture loads the pack; every later one comes from memory.
    GoTo(two[0]);
    size_t turn = 0;
    TimeEach(state, OnScreen([] { Practice().ShowQuestion(); }),
             [&] { Practice().CurrentNo = two[++turn % 2]; });
    if (explained) {
        Expect(state, ExplainPanel()->isVisibleTo(&Window()), "the explanation did not show");
        Controls().BtnSelect->click();
        ForgetExplanations();
    }
}

QString WrongAnswer(const myRecord& q)
{
    if (q.style != 0)
        return q.result == QStringLiteral("对") ? QStringLiteral("错") : QStringLiteral("对");
    return q.result == QStringLiteral("A") ? QStringLiteral("B") : QStringLiteral("A");
}

// A wrong answer also writes the question's error mark to the bank. An explained question's
// feedback is closed before each answer, so that every answer puts it up anew.
void Answer(benchmark::State& state, bool right, bool explained = false)
{
    OrderedBank();
    if (explained)
        Explain({1});
    const myRecord& q = *Practice().Current();
    const QString answer = right ? q.result : WrongAnswer(q);
    auto* close = Window().findChild<QAbstractButton*>(QStringLiteral("BtnExplainClose"));
    TimeEach(state, OnScreen([&] { Practice().GiveAnswer(answer); }), [&] {
        if (explained)
            close->click();
    });
    Expect(state, Practice().CurrentNo == 1, "the answer moved on");
    if (explained) {
        Expect(state, ExplainPanel()->isVisibleTo(&Window()), "the feedback did not show");
        ForgetExplanations();
    }
}

// The most overdue hundred of a record where every question is due.
void ReviewStart(benchmark::State& state)
{
    TimeEach(state, OnScreen([] { Window().Review().BtnReviewClick(); }));
    Expect(state, Practice().QuestionCount == TReview::Cap,
           "the review did not take 100 questions");
}

// Config.cfg as the key settings dialog saves it, every binding at its default.
void SaveKeySettings()
{
    platform::TProfileFile config(ConfigFilePath());
    for (const TKeyBinding& k : KeyBindings) {
        config.WriteString(QStringLiteral("keyboard"), QString::fromLatin1(k.key),
                           QString::fromLatin1(k.text));
        config.WriteInteger(QStringLiteral("keyboard_key"), QString::fromLatin1(k.key), k.code);
    }
}

// PageDown: the settings read and the next question shown.
void KeyUp(benchmark::State& state)
{
    SaveKeySettings();
    OrderedBank();
    constexpr quint16 PageDown = 34;
    TimeEach(state, OnScreen([] { Practice().FormKeyUp(PageDown); }), [] {
        if (Practice().CurrentNo == Practice().QuestionCount)
            GoTo(1);
    });
    Expect(state, Practice().CurrentNo > 1, "the key did not move on");
}

void MockExam(benchmark::State& state)
{
    TimeEach(state, OnScreen([] { Controls().BtnMN->click(); }));
    Expect(state, Practice().ExamMode && Practice().QuestionCount == 100, "no exam paper");
}

// The score stored and the result dialog shown, then closed by its close box at once.
void Submit(benchmark::State& state)
{
    Controls().BtnMN->click();
    TExamDialogs dialogs;
    TimeEach(state, OnScreen([] { Window().Exam().ExamSubmit(); }),
             [&] { dialogs.ThenCloseBox(); });
    Expect(state, dialogs.unexpected == 0 && dialogs.opened == static_cast<int>(state.iterations()),
           "the result dialog did not open once for every submission");
}

} // namespace

void RegisterHandlers()
{
    Register(names::BtnOrderClick, [](benchmark::State& s) { Click(s, &TMainControls::BtnOrder); });
    Register("BtnRandomClick", [](benchmark::State& s) { Click(s, &TMainControls::BtnRandom); });
    Register("SetChapterExam", ChapterStart);
    Register("BtnErrorClick/200", ErrorBook);
    Register("BtnMNClick", MockExam);
    Register("ResetPractice", WholeBankReset);
    Register("ShowQuestion/picture", [](benchmark::State& s) { Show(s, true); });
    Register("ShowQuestion/text", [](benchmark::State& s) { Show(s, false); });
    Register("ShowQuestion/explained", [](benchmark::State& s) { Show(s, false, true); });
    Register(names::BtnReviewClick, ReviewStart);
    Register("GiveAnswer/right", [](benchmark::State& s) { Answer(s, true); });
    Register("GiveAnswer/wrong", [](benchmark::State& s) { Answer(s, false); });
    Register("GiveAnswer/wrong-explained", [](benchmark::State& s) { Answer(s, false, true); });
    Register("FormKeyUp/PageDown", KeyUp);
    Register("ExamSubmit", Submit);
}
