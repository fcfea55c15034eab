#pragma once

#include "SQLiteTable.h"

#include <functional>
#include <optional>

// The writes of the learner's own tables (the answer record, the plan, the backups), which no
// other program of the school expects to find waiting: unlike the error book and the scores,
// they wait a while for another program's lock before they give up.
namespace db {

// How long a write of the learner's own tables waits for another program's lock.
constexpr int LearnerWriteWaitMs = 2000;

// Runs the statements on the bank in one transaction that takes the write lock at its start,
// waiting up to LearnerWriteWaitMs for it (and for readers at the commit); the bank's other
// writes keep refusing a lock at once. On failure nothing of it stays and ESQLiteException is
// raised.
void WriteLearnerData(const std::function<void(TSQLiteDatabase&)>& statements);

// Which failures of a write repeated at every answer deserve a report: the first of each run of
// failures. A learner hears once when writing stops, not at every answer, and hears again when
// it stops once more after it had recovered.
class TFailureRuns
{
public:
    // Runs the write; hands back its failure when it is the first of a run.
    std::optional<ESQLiteException> Attempt(const std::function<void()>& write);

private:
    bool failing = false;
};

} // namespace db
