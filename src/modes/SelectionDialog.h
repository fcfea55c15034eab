#pragma once

#include "PracticeStart.h"

#include <QDialog>
#include <QRect>
#include <QString>

class QPushButton;

// What the chapter, question-type and intensive dialogs share: their frame and font, and the
// two start buttons that turn the selection into a practice and then close the dialog.
class TSelectionDialog : public QDialog
{
    Q_OBJECT
public:
    // Both start buttons close their dialog with this, whether or not a practice started.
    static constexpr int StartResult = 11;

    void BtnOrderClick() { StartChoice(false); }
    void BtnRandomClick() { StartChoice(true); }

protected:
    TSelectionDialog(TPracticeStart& starts, QWidget* owner, const char* name,
                     const QString& caption, QSize client);
    // Builds BtnOrder and BtnRandom at their places.
    void AddStartButtons(QRect order, QRect random);
    virtual void StartChoice(bool random) = 0;

    TPracticeStart& starts;
    QPushButton* BtnOrder = nullptr;
    QPushButton* BtnRandom = nullptr;

private:
    QPushButton* StartButton(const char* name, const QString& caption, const QString& glyph,
                             QRect place, void (TSelectionDialog::*handler)());
};
