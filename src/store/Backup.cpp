#include "Backup.h"

#include "Db.h"
#include "LearnerWrites.h"
#include "SQLiteTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlcipher/sqlite3.h>

namespace db {
namespace {

const QString Unfinished = QStringLiteral(".part");

// The names of the bank's backups: its file name, the day, ".db".
QRegularExpression BackupName(const QString& bankPath)
{
    return QRegularExpression(QStringLiteral("^%1-\\d{8}\\.db$")
                                  .arg(QRegularExpression::escape(QFileInfo(bankPath).baseName())));
}

void RemoveUnfinished(const QDir& folder, const QString& bankPath)
{
    const QString pattern = QFileInfo(bankPath).baseName() + QStringLiteral("-*.db") + Unfinished;
    // The copy's own journal goes with it.
    for (const QString& name :
         folder.entryList({pattern, pattern + QStringLiteral("-journal")}, QDir::Files))
        QFile::remove(folder.filePath(name));
}

void KeepNewest(const QDir& folder, const QString& bankPath)
{
    // The day in the name sorts as dates do.
    const QStringList backups =
        folder.entryList(QDir::Files, QDir::Name | QDir::Reversed).filter(BackupName(bankPath));
    for (qsizetype i = KeptBackups; i < backups.size(); ++i)
        QFile::remove(folder.filePath(backups[i]));
}

[[noreturn]] void Raise(const QString& what, const QString& path)
{
    throw ESQLiteException(QStringLiteral("%1 \"%2\"").arg(what, QDir::toNativeSeparators(path)));
}

// The copy is keyed as the bank is, so it stays encrypted and opens as the bank does.
void CopyPages(const QString& bankPath, const QString& copyPath)
{
    TSQLiteDatabase bank(bankPath, QByteArray(BankKey), BankKeyLength);
    TSQLiteDatabase copy(copyPath, QByteArray(BankKey), BankKeyLength);
    // One read transaction for the whole copy, taken the way the learner's other writes take
    // their lock: a program writing the bank just then is waited for.
    bank.SetBusyTimeout(LearnerWriteWaitMs);
    bank.ExecSQL(QStringLiteral("BEGIN"));
    bank.CountRows(QStringLiteral("select 1 from sqlite_master limit 1"));
    sqlite3_backup* backup = sqlite3_backup_init(copy.Handle(), "main", bank.Handle(), "main");
    const int rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(copy.Handle());
    sqlite3_backup_finish(backup);
    bank.Rollback();
    if (rc != SQLITE_DONE)
        throw ESQLiteException(QStringLiteral("Backup of \"%1\" failed. Error [%2]: %3.")
                                   .arg(QDir::toNativeSeparators(bankPath))
                                   .arg(rc)
                                   .arg(SQLiteErrorCodeText(rc)));
}

} // namespace

QString BackupPath(const QString& bankPath, QDate day)
{
    const QFileInfo bank(bankPath);
    return bank.dir().filePath(QStringLiteral("backup/%1-%2.db")
                                   .arg(bank.baseName(), day.toString(QStringLiteral("yyyyMMdd"))));
}

void BackUpBank(const QString& bankPath, QDate day)
{
    if (!QFileInfo(bankPath).isFile())
        return;
    const QString target = BackupPath(bankPath, day);
    const QDir folder = QFileInfo(target).dir();
    RemoveUnfinished(folder, bankPath);
    if (QFileInfo::exists(target))
        return;
    if (!folder.mkpath(QStringLiteral(".")))
        Raise(QStringLiteral("Could not create the folder"), folder.path());
    const QString part = target + Unfinished;
    {
        QFile empty(part);
        if (!empty.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Raise(QStringLiteral("Could not create the file"), part);
    }
    try {
        CopyPages(bankPath, part);
    } catch (const ESQLiteException&) {
        RemoveUnfinished(folder, bankPath);
        throw;
    }
    if (!QFile::rename(part, target)) {
        RemoveUnfinished(folder, bankPath);
        Raise(QStringLiteral("Could not rename the backup to"), target);
    }
    KeepNewest(folder, bankPath);
}

} // namespace db
