#include "Selection.h"

TSelection::TSelection(const TMainControls& controls, TPracticeStart& starts, QObject* parent)
    : QObject(parent), c(controls), starts(starts)
{
}

void TSelection::BtnChapterClick() {}
void TSelection::BtnExamClick() {}
void TSelection::BtnUpdateClick() {}
