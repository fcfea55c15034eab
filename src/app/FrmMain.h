#pragma once

#include "MainControls.h"
#include "Practice.h"
#include "PracticeStart.h"

#include <QWidget>

// The one window of the program: its controls, the clock, and the wiring of every part.
class TFrmMain : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    TPractice& Practice() { return practice; }
    TPracticeStart& Starts() { return starts; }
    const TMainControls& Controls() const { return c; }

    void FormShow();
    void Timer1Timer();
    void BtnAboutClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormDestroy();

    TMainControls c;
    TPractice practice;
    TPracticeStart starts;
    bool shown = false;
};
