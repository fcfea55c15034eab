#pragma once

#include "BankFiles.h"

#include <QString>

// The readable source form of a bank: SOURCE_DIR/questions.csv and SOURCE_DIR/pictures/.
namespace bank {

// Builds the subject's bank and pack in outDir from the source. Throws EBankError.
void BuildBank(const QString& sourceDir, const QString& outDir, TSubject subject = TSubject::One);

// Writes the bank of dir back to source form, so that building it gives the same bank.
// Refuses a source folder that already holds questions.csv or pictures/. Throws EBankError.
void DumpBank(const QString& dir, const QString& sourceDir, TSubject subject = TSubject::One);

} // namespace bank
