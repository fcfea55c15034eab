#pragma once

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
};

// The reads of the study report; none of them writes.
namespace db {

// Every stored score, oldest first.
std::vector<TScorePoint> LoadAllScores();
// Every question of the bank in id order.
std::vector<TQuestionTag> LoadQuestionTags();

} // namespace db
