#pragma once

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;
class TAnswerSheet;
class TExplainPanel;

// The controls of the main window that the practice, the modes and the exam drive. The main
// window creates them and fills this in; everyone else reaches them only through here.
struct TMainControls
{
    QWidget* Window = nullptr;
    TExplainPanel* PanExplain = nullptr;

    QLabel* LblTime = nullptr;
    QTimer* Timer1 = nullptr;

    QPushButton* BtnOrder = nullptr;
    QPushButton* BtnRandom = nullptr;
    QPushButton* BtnChapter = nullptr;
    QPushButton* BtnExam = nullptr;
    QPushButton* BtnUpdate = nullptr;
    QPushButton* BtnError = nullptr;
    QPushButton* BtnMN = nullptr;
    QPushButton* BtnConfig = nullptr;
    QPushButton* BtnAbout = nullptr;

    QGroupBox* GrpMain = nullptr;
    QLabel* LblExam = nullptr;
    QLabel* ImgExam = nullptr;
    QWidget* Panelxz = nullptr;
    QPushButton* BtnA = nullptr;
    QPushButton* BtnB = nullptr;
    QPushButton* BtnC = nullptr;
    QPushButton* BtnD = nullptr;
    // Gives the letters chosen on a multiple-choice question; shown only there, with its hint.
    QPushButton* BtnConfirm = nullptr;
    QLabel* LblMultiple = nullptr;
    QWidget* Panelpd = nullptr;
    QPushButton* BtnYes = nullptr;
    QPushButton* BtnNo = nullptr;
    QLabel* LblRight = nullptr;
    QLabel* LblMyAnswer = nullptr;
    QLabel* ImgAnswer = nullptr;
    QPushButton* BtnSetError = nullptr;
    QPushButton* BtnSelect = nullptr;
    QPushButton* BtnPre = nullptr;
    QPushButton* BtnNext = nullptr;
    QLabel* lblErrorSave = nullptr;
    QLabel* LblPre = nullptr;
    QLabel* LblTR = nullptr;
    QCheckBox* ChkAutoNext = nullptr;
    TAnswerSheet* Grd = nullptr;
    QProgressBar* Prb = nullptr;

    QMenu* pmCleanError = nullptr;
    QAction* mniN3 = nullptr;
    QAction* mniN1 = nullptr;
    QAction* mniN2 = nullptr;
};
