#pragma once

#include <QString>
#include <vector>

// One question of the current practice.
struct myRecord
{
    QString question; // composed display text, numbered by the question's place in the practice
    QString imgname;  // picture name; empty for none
    QString result;   // the right answer exactly as stored: A to D, or 对 / 错
    int style = 0;    // 1 for a true/false question (column a empty), 0 for a choice question
    QString answer;   // the answer given in this practice; empty means unanswered
    int id = 0;       // examdata id
    QString explain;  // why the right answer is right; empty for none or a bank without them
    // A multiple-choice question of 科目四: result is two to four letters in alphabetical order,
    // and so is every answer given to it.
    bool multiple = false;
};

// A mock-exam score of this many points or more passes.
constexpr int PassMark = 90;

// One row of the score history.
struct myScore
{
    int id = 0; // 1-based place in the newest-first reading; 0 marks an empty slot
    QString score;
    QString dateline;
};

using examdata = std::vector<myRecord>;
using scoredata = std::vector<myScore>;
