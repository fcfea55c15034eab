#pragma once

#include "BankFiles.h"
#include "Pictures.h"
#include "Question.h"

#include <vector>

namespace bank {

// Writes the subject's bank and pack in outDir (Test.db and Image.db, or Test4.db and Image4.db),
// or on any error neither: both are built as temporary files beside them and renamed into place
// only when both are complete. An existing Test.db hands on its learner data: the error marks and
// answer record of ids still present and every score row with its id. Throws EBankError.
void WriteBank(const QString& outDir, const std::vector<TQuestion>& questions,
               const std::vector<TPicture>& pictures, TSubject subject = TSubject::One);

} // namespace bank
