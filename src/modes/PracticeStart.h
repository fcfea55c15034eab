#pragma once

#include "MainControls.h"
#include "Practice.h"

#include <QObject>
#include <functional>

// A choice of questions: the filter (empty for the whole bank), the order and how the title
// and the empty-choice message read.
struct TPracticeChoice
{
    QString where;
    QString order;
    // The caption of the practice area, given the number of questions counted.
    std::function<QString(int count)> title;
    QString emptyMessage;
    // Whether the load is limited to the number just counted (every filtered start is).
    bool limitToCount = true;
    // Runs right after the reset, for a start whose mode the reset would otherwise undo.
    std::function<void()> afterReset;
};

// Starting a practice: the one sequence that every chosen set of questions goes through, and
// the two whole-bank starts of the main window.
class TPracticeStart : public QObject
{
    Q_OBJECT
public:
    TPracticeStart(const TMainControls& controls, TPractice& practice, QObject* parent = nullptr);

    // Count, report an empty choice and stop, or reset, load and show question 1.
    // False when the choice held no question.
    bool Start(const TPracticeChoice& choice);

    void BtnOrderClick();
    void BtnRandomClick();
    void SetChapterExam(const QString& order, const QString& where, const QString& title);
    void SetSpecialExam(const QString& order, const QString& where, const QString& title);

private:
    void StartWholeBank(const QString& order, const QString& titleFormat);
    TMainControls c;
    TPractice& practice;
};
