#pragma once

#include "Mastery.h"
#include "PassEstimate.h"
#include "StudyData.h"

#include <QDate>
#include <QString>
#include <map>
#include <optional>
#include <vector>

// How far the learner has come in one chapter, by the mastery rule and the error book.
struct TChapterProgress
{
    int chapter = 0;
    int mastered = 0;
    int learning = 0;
    int unpractised = 0;
    int errors = 0; // in the error book
};

// Everything the study report shows, worked out once per opening.
struct TStudyReport
{
    QDate today;
    std::vector<TScorePoint> scores;        // every stored exam, oldest first
    std::vector<TChapterProgress> chapters; // chapters 1 to ChapterCount
    std::vector<TAnswerDay> days;           // the last ReportDays days, today last
    int total = 0;                          // questions in the bank
    int practised = 0;                      // answered at least once
    int mastered = 0;
    int errors = 0; // in the error book
    int due = 0;    // due for review today, under the exam date's interval cap
    QDate examDate; // invalid: none set
    std::vector<TMastery>
        answered; // of the bank's questions, so the due count can follow a new date
    std::optional<double> estimate; // 预计通过率; nothing while the record is too short
    learning::TPaperComposition paper;
};

constexpr int ReportDays = 30;
// The readiness line judges the newest this many exams on their own.
constexpr int RecentExams = 5;

// "共模拟考试%d次，通过%d次；最近%d次通过%d次，平均%.1f分", or "还没有模拟考试成绩".
QString ReadinessLine(const std::vector<TScorePoint>& scores);

// Only questions still in the bank count: a rebuilt bank may have dropped some of the record's.
// The days hold the record's days in the report's span, oldest first.
TStudyReport SummariseStudy(const std::vector<TQuestionTag>& bank,
                            const std::map<int, TMastery>& mastery,
                            const std::vector<TAnswerDay>& answerDays,
                            std::vector<TScorePoint> scores, QDate today, QDate examDate);
// Reads the bank, the record, the scores and the exam date; raises what the store raises. The
// mastery is the caller's, derived from the record and kept current as answers come in.
TStudyReport LoadStudyReport(QDate today, const std::map<int, TMastery>& mastery);
// The report under another exam date: its due count and plan follow.
void ChangeExamDate(TStudyReport& report, QDate examDate);
// Today's plan towards the report's exam date; empty without one ahead.
QString PlanLine(const TStudyReport& report);

// Each chart's figures as text, so that a screen reader reads what the picture shows.
QString TotalsLine(const TStudyReport& report);
QString ScoresText(const std::vector<TScorePoint>& scores);
QString DaysText(const std::vector<TAnswerDay>& days);
QString ChaptersText(const std::vector<TChapterProgress>& chapters);
// The chapter's entry of the chapter dialog and its error-book count.
QString ChapterLabel(const TChapterProgress& chapter);
// The share of right answers of a day, in whole per cent; 0 for a day without answers.
int RightPercent(const TAnswerDay& day);
