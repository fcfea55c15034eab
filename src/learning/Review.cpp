#include "Review.h"

#include "Guard.h"
#include "Notices.h"
#include "StudyPlan.h"

#include <QPushButton>
#include <QStringList>

namespace {

const QString NothingDue = QStringLiteral("今天没有需要巩固的试题，继续新的练习吧！");

} // namespace

TReview::TReview(const TMainControls& controls, TPractice& practice, TPracticeStart& starts,
                 QObject* parent)
    : QObject(parent), c(controls), practice(practice), starts(starts),
      BtnReview(new QPushButton(QStringLiteral("巩固练习"), c.Window))
{
    BtnReview->setObjectName(QStringLiteral("BtnReview"));
    BtnReview->setGeometry(772, 5, 116, 25);
    // The keys of the practice go on reaching the answer sheet.
    BtnReview->setFocusPolicy(Qt::NoFocus);
    connect(BtnReview, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnReviewClick(); }); });
    connect(&practice, &TPractice::AnswerRecorded, this, &TReview::AnswerRecorded);
    // A start may come on a new day, with more questions due.
    connect(&practice, &TPractice::PracticeReset, this, &TReview::UpdateCaption);
}

void TReview::LoadRecord()
{
    if (!loaded) {
        mastery = DeriveMastery(db::LoadAnswerLog());
        examDate = db::LoadExamDate();
        loaded = true;
    }
    UpdateCaption();
}

void TReview::ReloadRecord()
{
    loaded = false;
    LoadRecord();
}

QDate TReview::Today() const
{
    return practice.Clock().date();
}

std::optional<int> TReview::IntervalCap() const
{
    return ::IntervalCap(Today(), examDate);
}

int TReview::DueCount() const
{
    return CountDue(mastery, Today(), IntervalCap());
}

void TReview::SetExamDate(QDate date)
{
    examDate = date;
    UpdateCaption();
}

void TReview::BtnReviewClick()
{
    LoadRecord();
    const std::vector<int> due = DueQuestions(mastery, Today(), Cap, IntervalCap());
    if (due.empty()) {
        platform::Notices::Inform(NothingDue, c.Window);
        return;
    }
    QStringList ids;
    ids.reserve(static_cast<qsizetype>(due.size()));
    for (int id : due)
        ids << QString::number(id);
    // Mixing chapters helps recall, so the order is the database's random one.
    starts.Start(
        {.where = QStringLiteral("where id in (") + ids.join(QLatin1Char(',')) + QLatin1Char(')'),
         .order = QStringLiteral("order by random()"),
         .title = [](int count) { return QStringLiteral("巩固练习(共计%1题)").arg(count); },
         .emptyMessage = NothingDue});
}

void TReview::AnswerRecorded(const TAnswerRow& row)
{
    // Before the record was read, the row is part of what reading it will find.
    if (!loaded)
        return;
    ApplyAnswer(mastery[row.qid], AnswerDay(row), row.correct);
    UpdateCaption();
}

void TReview::UpdateCaption()
{
    // A count that moved with an answer would tell a wrong one from a right one; it waits for
    // the judgement to be shown, or for the next start.
    if (!practice.AnswersJudged())
        return;
    const int due = DueCount();
    BtnReview->setText(due > 0 ? QStringLiteral("巩固练习(%1)").arg(due)
                               : QStringLiteral("巩固练习"));
}
