#pragma once

#include "OptionDialog.h"

// Chooses one of the four intensive banks, each practised in its own sequence.
class TFrmQhlx : public TOptionDialog
{
    Q_OBJECT
public:
    TFrmQhlx(TPracticeStart& starts, QWidget* owner);
};
