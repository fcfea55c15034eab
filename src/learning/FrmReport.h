#pragma once

#include "StudyReport.h"

#include <QDialog>
#include <functional>

class QChartView;
class QDateEdit;
class QLabel;
class QPushButton;

// The study report: the readiness verdict, today's plan towards the exam date, the pass estimate,
// every exam score, each chapter's mastery and the last days' practice as charts, each chart's
// figures also given as text for a screen reader. It writes only the exam date, and only when the
// learner sets or clears it; its one way on is the review practice.
class TFrmReport : public QDialog
{
    Q_OBJECT
public:
    // The review button closes the dialog with this, whether or not a practice started.
    static constexpr int ReviewResult = 12;

    // examDateChanged hears every date the learner sets (an invalid one when cleared), once it
    // is kept in the bank.
    TFrmReport(QWidget* owner, const TStudyReport& report, std::function<void()> startReview,
               std::function<void(QDate)> examDateChanged = {});

    void BtnReviewClick();
    void BtnPdfClick();
    // The report on one A4 page for the learner's instructor; false when the file could not be
    // written.
    bool SaveAsPdf(const QString& path);

    QLabel* LblReadiness;
    QLabel* LblTotals;
    QLabel* LblPlan;
    QLabel* LblEstimate;
    QLabel* LblMeaning;
    QDateEdit* DateExam;
    QPushButton* BtnClearDate;
    QPushButton* BtnReview;
    QPushButton* BtnPdf;
    QChartView* ChartScores;
    QChartView* ChartDays;
    QChartView* ChartChapters;

private:
    void ExamDateEdited(QDate date);
    void BtnClearDateClick();
    // Shows the report under the date just kept and tells the owner.
    void ExamDateKept(QDate date);

    TStudyReport report;
    std::function<void()> startReview;
    std::function<void(QDate)> examDateChanged;
};

// Reads the bank and, when that succeeded, shows the report modally over the owner. A bank that
// cannot be read raises before any dialog is made.
void OpenStudyReport(QWidget* owner, const std::map<int, TMastery>& mastery,
                     const std::function<void()>& startReview,
                     const std::function<void(QDate)>& examDateChanged);
