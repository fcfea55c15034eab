#pragma once

#include <QDate>
#include <QString>
#include <vector>

// One stored mock-exam score.
struct TScorePoint
{
    int score = 0;
    QString dateline; // "YYYY-MM-DD HH:MM:SS" as the exam wrote it
};

// Where a question of the bank belongs, as the study report counts it.
struct TQuestionTag
{
    int id = 0; // examdata id
    int chapter = 0;
    bool inErrorBook = false;
    // 0 true/false, 1 choice, 2 multiple choice: the strata of 科目四's paper.
    int kind = 0;
};

// The answers given on one calendar day.
struct TAnswerDay
{
    QDate day;
    int answers = 0;
    int right = 0;
};

// One answer of the record as the pass estimate weighs it: the question, the calendar day, right
// or wrong.
struct TAnswerOutcome
{
    int qid = 0;
    QDate day;
    bool correct = false;
};

// The reads of the study report; none of them writes.
namespace db {

// Every stored score, oldest first.
std::vector<TScorePoint> LoadAllScores();
// Every question of the bank in id order.
std::vector<TQuestionTag> LoadQuestionTags();
// The days from first on with at least one answer in the record, oldest first; counted by
// SQLite, so a long record is never read row by row.
std::vector<TAnswerDay> LoadAnswerDays(QDate first);
// Every answer of the record, oldest first; a row without a readable date is left out.
std::vector<TAnswerOutcome> LoadAnswerOutcomes();

} // namespace db
