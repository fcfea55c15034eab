#include "PracticeStart.h"

#include "Db.h"
#include "Guard.h"
#include "Notices.h"

#include <QGroupBox>
#include <QPushButton>

TPracticeStart::TPracticeStart(const TMainControls& controls, TPractice& practice, QObject* parent)
    : QObject(parent), c(controls), practice(practice)
{
    connect(c.BtnOrder, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnOrderClick(); }); });
    connect(c.BtnRandom, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnRandomClick(); }); });
}

bool TPracticeStart::Start(const TPracticeChoice& choice)
{
    const int count = db::CountQuestions(choice.where);
    if (count <= 0) {
        platform::Notices::Inform(choice.emptyMessage, c.Window);
        return false;
    }
    practice.QuestionCount = count;
    c.GrpMain->setTitle(choice.title(count));
    practice.ResetPractice(practice.QuestionCount);
    if (choice.afterReset)
        choice.afterReset();
    db::LoadQuestions(choice.limitToCount ? practice.QuestionCount : 0, choice.order, choice.where,
                      practice.Questions);
    practice.ShowQuestion();
    return true;
}

void TPracticeStart::StartWholeBank(const QString& order, const QString& titleFormat)
{
    // The bank is never meant to be empty; a driving school's own bank may be, and then the
    // learner is told so instead of facing a practice of no questions.
    Start({.order = order,
           .title = [titleFormat](int count) { return titleFormat.arg(count); },
           .emptyMessage = QStringLiteral("当前题库没有试题记录！"),
           .limitToCount = false});
}

void TPracticeStart::BtnOrderClick()
{
    StartWholeBank(QStringLiteral("order by id asc "), QStringLiteral("顺序练习(共计%1题)"));
}

void TPracticeStart::BtnRandomClick()
{
    StartWholeBank(QStringLiteral("order by random()"), QStringLiteral("随机练习(共计%1题)"));
}

void TPracticeStart::SetChapterExam(const QString& order, const QString& where,
                                    const QString& title)
{
    Start({.where = where,
           .order = order,
           .title = [title](int) { return QStringLiteral("《章节练习》 ") + title; },
           .emptyMessage = QStringLiteral("当前题库没有该章节记录！")});
}

void TPracticeStart::SetSpecialExam(const QString& order, const QString& where,
                                    const QString& title)
{
    Start({.where = where,
           .order = order,
           .title =
               [title](int count) {
                   return QStringLiteral("%1(共计%2题)").arg(title, QString::number(count));
               },
           .emptyMessage = QStringLiteral("当前题库没有该专项练习记录！")});
}
