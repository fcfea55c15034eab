#pragma once

#include "BankFiles.h"
#include "Pictures.h"
#include "Question.h"
#include "Sqlite.h"

#include <QStringList>
#include <memory>
#include <vector>

// Reading a built bank back, for checking and for dumping. Throws EBankError.
namespace bank {

// The subject's bank in dir (Test.db or Test4.db) opened read-only with the key; a missing file
// is an error.
std::unique_ptr<TConnection> OpenQuestions(const QString& dir, TSubject subject = TSubject::One);

// Every examdata row by ascending id, each value as the trainer reads it: text decoded from
// code page 936, integers in decimal, NULL as empty; in QuestionColumns() order. A bank built
// before explanations gives every question an empty one.
std::vector<QStringList> ReadQuestionRows(TConnection& questions);

// The same rows as questions; a value that is not an integer where one belongs is an error.
std::vector<TQuestion> ReadQuestions(const QString& dir, TSubject subject = TSubject::One);

// Every picture of the subject's pack in dir (Image.db or Image4.db) by name.
std::vector<TPicture> ReadPack(const QString& dir, TSubject subject = TSubject::One);

} // namespace bank
