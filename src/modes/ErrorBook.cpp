#include "ErrorBook.h"

TErrorBook::TErrorBook(const TMainControls& controls, TPractice& practice, TPracticeStart& starts,
                       std::function<void()> examRole, QObject* parent)
    : QObject(parent), c(controls), practice(practice), starts(starts), examRole(std::move(examRole))
{
}

void TErrorBook::BtnErrorClick() {}
void TErrorBook::BtnSetErrorClick() {}
void TErrorBook::mniN1Click() {}
void TErrorBook::mniN2Click() {}
void TErrorBook::mniN3Click() {}
