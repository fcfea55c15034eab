#pragma once

#include "MainControls.h"
#include "Practice.h"

#include <QObject>

// The button that opens the answer-key settings.
class TKeySettings : public QObject
{
    Q_OBJECT
public:
    TKeySettings(const TMainControls& controls, TPractice& practice, QObject* parent = nullptr);

    void BtnConfigClick();

private:
    TMainControls c;
    TPractice& practice;
};
