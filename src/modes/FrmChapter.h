#pragma once

#include "SelectionDialog.h"

class QListWidget;

// Chooses one chapter; its first entry stands for the whole bank in order.
class TFrmChapter : public TSelectionDialog
{
    Q_OBJECT
public:
    TFrmChapter(TPracticeStart& starts, QWidget* owner);

    void FormCreate();
    void LibDblClick();

protected:
    void StartChoice(bool random) override;

private:
    QListWidget* Lib = nullptr;
};
