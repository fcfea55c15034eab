#include "BenchContext.h"
#include "Benchmarks.h"

#include <sqlcipher/sqlite3.h>

namespace {

// The bank opened and keyed as the store does it, by the bare C API; nullptr on failure.
sqlite3* OpenBank()
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2("Test.db", &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_key(db, "tqwpzn", 4);
    return db;
}

constexpr const char* InStoredOrder = "SELECT * FROM examdata";
// The random practice's order, for how much of its cost is SQLite's own sort.
constexpr const char* InRandomOrder = "SELECT * FROM examdata order by random()";

// Every column of every question as text; the rows read, or -1 on an error.
int ReadAllQuestions(sqlite3* db, const char* sql = InStoredOrder)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return -1;
    }
    const int columns = sqlite3_column_count(stmt);
    int rows = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            benchmark::DoNotOptimize(sqlite3_column_bytes(stmt, c));
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE ? rows : -1;
}

void CheckRows(benchmark::State& state, int rows)
{
    if (rows != Context().Questions())
        state.SkipWithError("the bank did not read as all its questions");
}

void FreshOpen(benchmark::State& state)
{
    int rows = 0;
    TimeEach(state, [&] {
        sqlite3* db = OpenBank();
        rows = db ? ReadAllQuestions(db) : -1;
        sqlite3_close(db);
    });
    CheckRows(state, rows);
}

void ReusedConnection(benchmark::State& state, const char* sql)
{
    sqlite3* db = OpenBank();
    int rows = db ? ReadAllQuestions(db) : -1;
    TimeEach(state, [&] { rows = ReadAllQuestions(db, sql); });
    sqlite3_close(db);
    CheckRows(state, rows);
}

} // namespace

void RegisterRawFloor()
{
    Register(names::RawFreshOpen, FreshOpen);
    Register(names::RawReused, [](benchmark::State& s) { ReusedConnection(s, InStoredOrder); });
    Register(names::RawReusedRandom,
             [](benchmark::State& s) { ReusedConnection(s, InRandomOrder); });
}
