#pragma once

#include "AnswerLog.h"

#include <QDate>
#include <map>
#include <optional>
#include <vector>

// The Leitner rule that turns the answer record into mastery. It is given dates and never reads
// the clock, so that one rule serves the trainer, its reports and the tests alike.
enum class TMasteryState
{
    Unpractised, // 未练习
    Learning,    // 学习中, box 0 to 2
    Mastered,    // 已掌握, box 3 or more
};

struct TMastery
{
    int box = 0;      // Leitner box 0..5
    QDate lastAnswer; // date of the last answer
    QDate lastMoveUp; // date of the last move up; invalid if none
};

constexpr int TopBox = 5;

// The calendar day of an answer.
QDate AnswerDay(const TAnswerRow& row);
// Replays the answers oldest first; only qid, the date of answeredAt and correct matter.
std::map<int, TMastery> DeriveMastery(const std::vector<TAnswerRow>& log);
// The one rule: a wrong answer puts the question in box 0; a right one moves it up a box unless
// it already moved up that day, since only recall on a later day shows it is learnt.
void ApplyAnswer(TMastery& m, QDate day, bool correct);
// nullptr: never answered.
TMasteryState StateOf(const TMastery* m);
// The longest interval on the day: with an exam date today or later, d days ahead,
// max(1, d / 4) days, so what is learnt is seen again before the test; none without a date or
// with one past.
std::optional<int> IntervalCap(QDate today, QDate examDate);
// Box 0 is due the day of its last answer; box k is due 1, 2, 4, 8 or 16 days after it, or
// after the interval cap when that is shorter.
QDate DueDate(const TMastery& m, std::optional<int> intervalCap = std::nullopt);
bool IsDue(const TMastery& m, QDate today, std::optional<int> intervalCap = std::nullopt);
// The questions due on the day, the most overdue first (then by id), at most cap of them.
std::vector<int> DueQuestions(const std::map<int, TMastery>& all, QDate today, int cap,
                              std::optional<int> intervalCap = std::nullopt);
// How many are due on the day, without the cap.
int CountDue(const std::map<int, TMastery>& all, QDate today,
             std::optional<int> intervalCap = std::nullopt);
