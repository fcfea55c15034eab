#pragma once

#include "Question.h"

#include <vector>

namespace bank {

// questions.csv: UTF-8, RFC 4180, a header row naming the examdata columns in any order
// (iserror and explain may be left out). Every value is checked here, where its line and column are
// still known: integers, code page 936 texts, unique ids, the subject's answers. Throws EBankError.
std::vector<TQuestion> ReadQuestionsCsv(const QString& csvPath, TSubject subject = TSubject::One);

// Writes every column, iserror and explain included, so that reading gives the same questions back.
void WriteQuestionsCsv(const QString& csvPath, const std::vector<TQuestion>& questions);

} // namespace bank
