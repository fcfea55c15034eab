#pragma once

#include "Practice.h"
#include "ProfileStrings.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

// The answer-key settings: a key pressed in one of the eight boxes is bound at once (its code
// goes to keyboard_key); "保存设置" keeps what the boxes show (keyboard) for the next opening.
class TFrmConfig : public QDialog
{
    Q_OBJECT
public:
    TFrmConfig(QWidget* owner, TPractice& practice);
    ~TFrmConfig() override;

    void FormCreate();
    void edtaKeyDown(QLineEdit* sender, quint16 Key);
    void btnSaveClick();
    void btnDefaultClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormDestroy();
    QLineEdit* Box(QWidget* group, const char* name, int left, int top, int width);

    TPractice& practice;
    std::optional<platform::TProfileFile> config;
    // Shown order: edta, edtb, edtc, edtd, edty, edtn, edtpre, edtnext.
    QLineEdit* edta;
    QLineEdit* edtb;
    QLineEdit* edtc;
    QLineEdit* edtd;
    QLineEdit* edty;
    QLineEdit* edtn;
    QLineEdit* edtpre;
    QLineEdit* edtnext;
    QPushButton* btnSave;
    QPushButton* btnDefault;
};
