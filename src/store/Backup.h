#pragma once

#include <QDate>
#include <QString>

// The daily backup of a bank: a copy of the learner's whole record kept beside the bank, in case
// the bank is lost or damaged.
namespace db {

// How many days' backups are kept, the newest.
constexpr int KeptBackups = 7;

// Where the bank's backup of the day goes: "backup/Test-20260504.db" beside "Test.db", named
// from the bank's file name ("Test4-…" for "Test4.db").
QString BackupPath(const QString& bankPath, QDate day);

// Copies the bank, pages and key as they are, into the day's backup unless the day has one
// already. The copy is made under a temporary name and renamed when it is whole, so a copy cut
// short is never taken for a backup; such a leftover is removed here. Only the newest
// KeptBackups of the bank stay. A bank that does not exist is not backed up. Raises
// ESQLiteException when the backup fails.
void BackUpBank(const QString& bankPath, QDate day);

} // namespace db
