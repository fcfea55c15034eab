#pragma once

#include "MainControls.h"
#include "Practice.h"
#include "PracticeStart.h"

#include <QObject>
#include <functional>

// The error book: the questions whose iserror mark is set, practised at random, marked and
// cleared by hand, and the three roles of the button under the question.
class TErrorBook : public QObject
{
    Q_OBJECT
public:
    // examRole is what the button does while a mock exam is on.
    TErrorBook(const TMainControls& controls, TPractice& practice, TPracticeStart& starts,
               std::function<void()> examRole, QObject* parent = nullptr);

    void BtnErrorClick();
    void BtnSetErrorClick();
    void mniN1Click();
    void mniN2Click();
    void mniN3Click();

private:
    void FollowAutoRemoveMark();
    // Writes the error mark of the question on display and confirms it for a moment.
    void SetMark(int iserror, const QString& confirmation, unsigned showMs);

    TMainControls c;
    TPractice& practice;
    TPracticeStart& starts;
    std::function<void()> examRole;
};
