#include "MockExam.h"

TMockExam::TMockExam(const TMainControls& controls, TPractice& practice, QObject* parent)
    : QObject(parent), c(controls), practice(practice)
{
}

void TMockExam::BtnMNClick() {}
void TMockExam::ExamRedo() {}
void TMockExam::ExamSubmit() {}
void TMockExam::SubmitOnRequest() {}

bool TMockExam::TimeLimitTick()
{
    return false;
}
