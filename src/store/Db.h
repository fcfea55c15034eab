#pragma once

#include "Records.h"
#include "SQLiteTable.h"
#include "Subject.h"

// The question bank store: the only code that issues SQL. Every clause argument is a whole
// SQL fragment with its keyword ("where chapter=3", "order by random()"), joined verbatim.
// Every operation raises ESQLiteException on failure, writes included, so no caller can take
// a failed write for a done one.
namespace db {

// The key every bank is encrypted with: its first BankKeyLength bytes.
extern const char* const BankKey;
constexpr int BankKeyLength = 4;

// The one connection to the bank of the subject on screen (Test.db for 科目一) in the working
// directory, opened on first use; a failed open raises and is tried again by the next operation.
TSQLiteDatabase& GetQuestionStore();
// Drops the connection, so that the next operation opens the bank anew.
void CloseQuestionStore();
// The subject whose bank the store serves; 科目一 until another is chosen.
TSubject CurrentSubject();
// Serves the subject's bank from the next operation on. Opens nothing: only a bank in use
// costs its key derivation.
void SelectSubject(TSubject subject);
// Whether the subject's bank is in the working directory.
bool BankExists(TSubject subject);

int CountQuestions(const QString& where);
void LoadQuestions(int limit, const QString& order, const QString& where, examdata& target);
// The subject's paper. Returns the number of slots filled: for 科目一 fewer than the quotas add
// up to when a chapter is short; for 科目四 fewer than 50 only when the whole bank is.
int LoadExamPaper(examdata& target);
void UpdateQuestions(const QString& where, const QString& set);
void InsertScore(const QString& columns, const QString& values);
void LoadLatestScores(scoredata& target);
void DeleteAllScores();

// A column read through its text form as a whole number: "''%s'' is not a valid integer value"
// for anything but an optionally signed decimal that fits 32 bits; NULL reads as empty and fails
// the same way.
int IntegerFromText(const QString& text);

// The statement texts, exposed for the tests that pin them down.
QString SelectQuestionsSql(int limit, const QString& order, const QString& where);
extern const char* const ExamPaperSql;

} // namespace db
