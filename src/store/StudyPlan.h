#pragma once

#include <QDate>

// The learner's plan, table studyplan of the subject's bank: for now the date of the test.
namespace db {

// The plan's table; the trainer creates it at its first write and the bank tool at build.
extern const char* const CreateStudyPlanSql;

// The exam date; invalid when none was set or the bank has no plan yet. Reading never writes.
QDate LoadExamDate();
// Keeps the date, creating the table first when the bank lacks it, in one transaction that
// waits for another program's lock as the answer record's writes do: on failure nothing of it
// stays and ESQLiteException is raised.
void SaveExamDate(QDate date);
// Forgets the date; a bank without a plan is left as it is.
void ClearExamDate();

} // namespace db
