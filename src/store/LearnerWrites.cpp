#include "LearnerWrites.h"

#include "Db.h"

#include <utility>

namespace db {
namespace {

// The wait lasts for the one transaction: a write of the error book still meets a lock with
// its immediate report.
class TLockWait
{
public:
    explicit TLockWait(TSQLiteDatabase& store) : store(store)
    {
        store.SetBusyTimeout(LearnerWriteWaitMs);
    }
    ~TLockWait() { store.SetBusyTimeout(0); }
    TLockWait(const TLockWait&) = delete;
    TLockWait& operator=(const TLockWait&) = delete;

private:
    TSQLiteDatabase& store;
};

} // namespace

void WriteLearnerData(const std::function<void(TSQLiteDatabase&)>& statements)
{
    TSQLiteDatabase& store = GetQuestionStore();
    const TLockWait wait(store);
    store.ExecSQL(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        statements(store);
        store.ExecSQL(QStringLiteral("COMMIT"));
    } catch (const ESQLiteException&) {
        store.Rollback();
        throw;
    }
}

std::optional<ESQLiteException> TFailureRuns::Attempt(const std::function<void()>& write)
{
    try {
        write();
    } catch (const ESQLiteException& e) {
        if (std::exchange(failing, true))
            return std::nullopt;
        return e;
    }
    failing = false;
    return std::nullopt;
}

} // namespace db
