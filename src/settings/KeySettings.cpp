#include "KeySettings.h"

TKeySettings::TKeySettings(const TMainControls& controls, TPractice& practice, QObject* parent)
    : QObject(parent), c(controls), practice(practice)
{
}

void TKeySettings::BtnConfigClick() {}
