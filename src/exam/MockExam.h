#pragma once

#include "MainControls.h"
#include "Practice.h"

#include <QObject>

// 科目一's paper; 科目四's rules are the store's ExamRules.
constexpr int ExamQuestionCount = 100;
constexpr int ExamTimeLimit = 2700;

// The mock exam of the subject on screen: 科目一's paper of 100 questions by chapter quota or
// 科目四's of 50 by question type, answered on the main window without marks, submitted by the
// learner or at the time limit, scored and stored in the subject's bank.
class TMockExam : public QObject
{
    Q_OBJECT
public:
    TMockExam(const TMainControls& controls, TPractice& practice, QObject* parent = nullptr);

    void BtnMNClick();
    void ExamRedo();
    void ExamSubmit();
    // What the submit button does during an exam: asks "确定交卷吗？", then submits.
    void SubmitOnRequest();
    // The exam's part of the one-second tick: submits when the limit is reached and then
    // returns true, so the tick is not counted.
    bool TimeLimitTick();

    // The points of the paper on the main window: its right answers, each worth the subject's
    // points.
    int Score() const;

private:
    void BeginAttempt();
    void Review();

    TMainControls c;
    TPractice& practice;
    // Moves on at every start, restart and submission of a paper, so that a confirmation
    // answered after its attempt has ended can tell.
    unsigned attempt = 0;
};
