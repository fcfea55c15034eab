#pragma once

#include "SelectionDialog.h"

class QListWidget;

// The chapters of the bank, numbered from 1, and the list entry that names each.
constexpr int ChapterCount = 7;
// Entry k of the chapter list: chapter k, or the whole bank in order for 0.
QString ChapterEntry(int k);

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
