#pragma once

#include "OptionDialog.h"

// Chooses one of the ten question types.
class TFrmSpecial : public TOptionDialog
{
    Q_OBJECT
public:
    TFrmSpecial(TPracticeStart& starts, QWidget* owner);
};
