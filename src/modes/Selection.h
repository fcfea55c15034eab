#pragma once

#include "MainControls.h"
#include "PracticeStart.h"

#include <QObject>

// The three buttons that open a selection dialog: a chapter, a question type or an
// intensive bank, each started in order or at random.
class TSelection : public QObject
{
    Q_OBJECT
public:
    TSelection(const TMainControls& controls, TPracticeStart& starts, QObject* parent = nullptr);

    void BtnChapterClick();
    void BtnExamClick();
    void BtnUpdateClick();

private:
    TMainControls c;
    TPracticeStart& starts;
};
