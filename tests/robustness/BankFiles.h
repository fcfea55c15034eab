#pragma once

#include "Question.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// What the robustness cases do to a learner's files from outside the program, and how they
// read back what the program must not lose.
namespace robust {

// The trainer's key: the text it gives, with the length it gives.
inline const QByteArray BankKey = QByteArrayLiteral("tqwp");

// Runs SQL on a bank through a connection of its own; an SQLite error fails with its text.
void ExecOnBank(const QString& path, const QByteArray& sql, const QByteArray& key = BankKey);
// The learner's part of a bank, read through a connection of its own: "mark <id>" for every
// question in the error book, then "score <id> <score> <dateline>" for every score row.
QStringList LearnerData(const QString& path);
// The answer record, read the same way: "answer <qid>" for every row, oldest first.
QStringList AnswerRecord(const QString& path);
// Three stored exams, so that losing the score table shows.
void StoreThreeScores(const QString& path);

QByteArray FileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// Choice questions 1 to n with answer A, ids equal to their place, spread over the chapters;
// every seventh is in the error book. Long enough texts that the bank spans many pages.
std::vector<bank::TQuestion> PracticeBank(int n);

} // namespace robust
