#pragma once

#include <QString>
#include <vector>

namespace bank {

// What a carry took into the new bank and what it had to leave behind.
struct TCarryReport
{
    int marks = 0;   // error marks set in the new bank
    int scores = 0;  // score rows added
    int answers = 0; // answer record rows added
    int plan = 0;    // plan entries added
    // The questions of the old record that the new bank lacks: their ids in order, and how
    // many marks and answers went with them.
    std::vector<int> droppedIds;
    int droppedMarks = 0;
    int droppedAnswers = 0;
};

// Copies the learner's record of the old bank into the new one: the error marks and answers of
// the questions the new bank holds, every score and the plan. The old bank is only read. What
// the new bank already holds is not added again, so a second carry adds nothing. Throws
// EBankError.
TCarryReport CarryRecord(const QString& oldBank, const QString& newBank);

} // namespace bank
