#pragma once

#include "StudyReport.h"

#include <QDialog>
#include <functional>

class QChartView;
class QLabel;
class QPushButton;

// The study report: the readiness verdict, every exam score, each chapter's mastery and the
// last days' practice as charts, each chart's figures also given as text for a screen reader.
// It only reads; its one way on is the review practice.
class TFrmReport : public QDialog
{
    Q_OBJECT
public:
    // The review button closes the dialog with this, whether or not a practice started.
    static constexpr int ReviewResult = 12;

    TFrmReport(QWidget* owner, const TStudyReport& report, std::function<void()> startReview);

    void BtnReviewClick();

    QLabel* LblReadiness;
    QLabel* LblTotals;
    QPushButton* BtnReview;
    QChartView* ChartScores;
    QChartView* ChartDays;
    QChartView* ChartChapters;

private:
    std::function<void()> startReview;
};

// Reads the bank and, when that succeeded, shows the report modally over the owner. A bank that
// cannot be read raises before any dialog is made.
void OpenStudyReport(QWidget* owner, const std::map<int, TMastery>& mastery,
                     const std::function<void()>& startReview);
