#pragma once

#include "Pictures.h"
#include "Question.h"
#include "Sqlite.h"

#include <QStringList>
#include <memory>
#include <vector>

// Reading a built bank back, for checking and for dumping. Throws EBankError.
namespace bank {

// dir/Test.db opened read-only with the key; a missing file is an error.
std::unique_ptr<TConnection> OpenQuestions(const QString& dir);

// Every examdata row by ascending id, each value as the trainer reads it: text decoded from
// code page 936, integers in decimal, NULL as empty; in QuestionColumns() order. A bank built
// before explanations gives every question an empty one.
std::vector<QStringList> ReadQuestionRows(TConnection& questions);

// The same rows as questions; a value that is not an integer where one belongs is an error.
std::vector<TQuestion> ReadQuestions(const QString& dir);

// Every picture of dir/Image.db by name.
std::vector<TPicture> ReadPack(const QString& dir);

} // namespace bank
