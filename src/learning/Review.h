#pragma once

#include "MainControls.h"
#include "Mastery.h"
#include "Practice.h"
#include "PracticeStart.h"

#include <QObject>
#include <map>

class QPushButton;

// 巩固练习: the questions the answer record says are due today, practised at random, and the
// entry in the banner strip that tells how many are due. The mastery of every answered question
// is read from the record once and then kept current answer by answer.
class TReview : public QObject
{
    Q_OBJECT
public:
    // The most overdue questions one review takes.
    static constexpr int Cap = 100;

    TReview(const TMainControls& controls, TPractice& practice, TPracticeStart& starts,
            QObject* parent = nullptr);

    // Reads the answer record, once; every later call only brings the caption up to date.
    void LoadRecord();
    // Reads the record anew, as the subject on screen changed to another bank.
    void ReloadRecord();
    // Starts the review, or tells the learner that nothing is due and changes nothing.
    void BtnReviewClick();

    int DueCount() const;
    // The exam date shortens the intervals; the report sets it, and the count follows at once.
    void SetExamDate(QDate date);
    // The mastery of every question answered at least once, by examdata id.
    const std::map<int, TMastery>& Mastery() const { return mastery; }
    QDate Today() const;

private:
    void AnswerRecorded(const TAnswerRow& row);
    void UpdateCaption();

    TMainControls c;
    TPractice& practice;
    TPracticeStart& starts;
    QPushButton* BtnReview;
    std::optional<int> IntervalCap() const;

    std::map<int, TMastery> mastery;
    QDate examDate;
    bool loaded = false;
};
