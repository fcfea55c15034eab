#pragma once

#include <QString>

// The readable source form of a bank: SOURCE_DIR/questions.csv and SOURCE_DIR/pictures/.
namespace bank {

// Builds outDir/Test.db and outDir/Image.db from the source. Throws EBankError.
void BuildBank(const QString& sourceDir, const QString& outDir);

// Writes the bank of dir back to source form, so that building it gives the same bank.
// Refuses a source folder that already holds questions.csv or pictures/. Throws EBankError.
void DumpBank(const QString& dir, const QString& sourceDir);

} // namespace bank
