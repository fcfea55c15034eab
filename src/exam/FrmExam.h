#pragma once

#include "Records.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

// The rows read at the latest showing of the result dialog, and the dateline of the newest of
// them; both outlive the dialog.
extern scoredata ScoreList;
extern QString CurrentDateline;

// The result of a mock exam: the score with a pass or fail picture, the five newest scores
// ranked among themselves, and the ways on from there.
class TFrmExam : public QDialog
{
    Q_OBJECT
public:
    // What exec() gives back for each way out.
    static constexpr int ResultReview = 1;
    static constexpr int ResultClosed = 2;
    static constexpr int ResultRedo = 6;
    static constexpr int ResultNewPaper = 8;

    // examRedo restarts the paper on the main window; btnMN is the main window's new-paper button.
    TFrmExam(QWidget* owner, std::function<void()> examRedo, QPushButton* btnMN);

    // The pictures of a score below the pass mark in place of the pass pictures.
    void ShowFailPictures();

    void FormShow();
    void btnScoreClick();
    void BtnRedoClick();
    void BtnReClick();

    QLabel* imgPic;
    QFrame* Bevel1;
    QLabel* imgText;
    QWidget* Shape1;
    QPushButton* BtnRedo;
    QPushButton* BtnRe;
    QPushButton* BtnResult;
    QLabel* lblResult;
    QLabel* ImgPic2;
    QLabel* ImgText2;
    QPushButton* btnScore;
    QFrame* bvl1;
    QTableWidget* advstrngrd;
    QLabel* lblScore;

    // The close box, like every other way out without a button, gives ResultClosed.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* Button(const char* name, int left, const QString& caption, const QString& icon);
    void ResultButton(QPushButton* button, int result, void (TFrmExam::*handler)());
    void BuildScoreGrid();
    void AddScoreRow(const myScore& slot);
    void RankByScore();
    void SelectCurrentPaper();
    void Decorate();
    void HeaderClicked(int column);

    std::function<void()> examRedo;
    QPushButton* btnMN;
};
