#include "KeySettings.h"

#include "FrmConfig.h"
#include "Guard.h"

#include <QPushButton>

TKeySettings::TKeySettings(const TMainControls& controls, TPractice& practice, QObject* parent)
    : QObject(parent), c(controls), practice(practice)
{
    connect(c.BtnConfig, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnConfigClick(); }); });
}

void TKeySettings::BtnConfigClick()
{
    TFrmConfig dialog(c.Window, practice);
    dialog.exec();
}
