#pragma once

#include <QString>
#include <span>
#include <vector>

// One answer the learner gave, as the answer record keeps it.
struct TAnswerRow
{
    int qid = 0;        // examdata id
    QString answeredAt; // local time "YYYY-MM-DD HH:MM:SS"
    QString answer;     // "A".."D", "对", "错", or letters such as "ABD"
    bool correct = false;
    int mode = 0; // 0 practice, 1 error-book practice, 2 mock exam (its review included)
};

namespace db {

// The record's table and index; the trainer creates them at its first write and the bank tool
// at build, so a bank of either origin has the same table.
extern const char* const CreateAnswerLogSql;
extern const char* const CreateAnswerLogIndexSql;

// Appends the rows, creating the table and its index first when the bank lacks them, all in one
// transaction: on failure nothing of it stays and ESQLiteException is raised. The statement text
// carries no value of a row, so a report of its failure tells nothing about the answers.
void InsertAnswers(std::span<const TAnswerRow> rows);
void InsertAnswer(const TAnswerRow& row);
// Whether the bank has the answer record's table yet.
bool HasAnswerLog();
// Every row, oldest first; empty when the bank has no answer record. Reading never writes.
std::vector<TAnswerRow> LoadAnswerLog();

} // namespace db
