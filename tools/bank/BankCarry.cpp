#include "BankCarry.h"

#include "AnswerLog.h"
#include "BankError.h"
#include "BankFiles.h"
#include "Sqlite.h"
#include "StudyPlan.h"

#include <QFileInfo>
#include <QUrl>
#include <sqlcipher/sqlite3.h>

namespace bank {
namespace {

bool HasTable(TConnection& db, const char* schema, const char* table)
{
    TStatement exists(db, QByteArray("SELECT 1 FROM ")
                              .append(schema)
                              .append(".sqlite_master WHERE type='table' AND name=?")
                              .constData());
    exists.Bind(1, QByteArray(table));
    return exists.Step();
}

int Changed(TConnection& db, const char* sql)
{
    db.Exec(sql);
    return sqlite3_changes(db.Handle());
}

// The old bank opened read-only beside the new one, so that nothing of it can change.
void AttachOld(TConnection& db, const QString& oldBank)
{
    if (!QFileInfo(oldBank).isFile())
        throw EBankError(QStringLiteral("%1: no such file").arg(oldBank));
    TStatement attach(db, "ATTACH DATABASE ? AS old KEY ?");
    attach.Bind(1, QUrl::fromLocalFile(QFileInfo(oldBank).absoluteFilePath()).toEncoded() +
                       "?mode=ro");
    attach.Bind(2, QuestionsKey);
    attach.Run();
    db.Exec("SELECT id, iserror FROM old.examdata LIMIT 0");
}

// Rows are added as a multiset: an old row goes in only as often as it is more frequent in the
// old table than in the new one, so a second carry adds nothing and two equal rows of the
// old record (two exams of one score on one day) both come across.
int CarryScores(TConnection& db)
{
    return Changed(db, "INSERT INTO main.scoredata(score, dateline) "
                       "SELECT o.score, o.dateline FROM old.scoredata o "
                       "WHERE (SELECT count(*) FROM old.scoredata p WHERE p.score IS o.score AND "
                       "p.dateline IS o.dateline AND p.id <= o.id) > "
                       "(SELECT count(*) FROM main.scoredata s WHERE s.score IS o.score AND "
                       "s.dateline IS o.dateline) ORDER BY o.id");
}

int CarryAnswers(TConnection& db)
{
    db.Exec(db::CreateAnswerLogSql);
    db.Exec(db::CreateAnswerLogIndexSql);
    // Both tables are searched by their qid index.
    return Changed(db, "INSERT INTO main.answerlog(qid, answered_at, answer, correct, mode) "
                       "SELECT o.qid, o.answered_at, o.answer, o.correct, o.mode "
                       "FROM old.answerlog o WHERE o.qid IN (SELECT id FROM main.examdata) AND "
                       "(SELECT count(*) FROM old.answerlog p WHERE p.qid = o.qid AND "
                       "p.answered_at IS o.answered_at AND p.answer IS o.answer AND "
                       "p.correct IS o.correct AND p.mode IS o.mode AND p.id <= o.id) > "
                       "(SELECT count(*) FROM main.answerlog a WHERE a.qid = o.qid AND "
                       "a.answered_at IS o.answered_at AND a.answer IS o.answer AND "
                       "a.correct IS o.correct AND a.mode IS o.mode) ORDER BY o.id");
}

int CarryPlan(TConnection& db)
{
    db.Exec(db::CreateStudyPlanSql);
    return Changed(db, "INSERT OR IGNORE INTO main.studyplan(name, value) "
                       "SELECT name, value FROM old.studyplan");
}

void NoteDropped(TConnection& db, bool withAnswers, TCarryReport& report)
{
    const QByteArray answers =
        withAnswers ? "(SELECT count(*) FROM old.answerlog a WHERE a.qid=k.id)" : "0";
    const QByteArray answerIds = withAnswers ? " UNION SELECT qid FROM old.answerlog" : "";
    TStatement dropped(
        db, "SELECT k.id, (SELECT count(*) FROM old.examdata e WHERE e.id=k.id AND "
            "e.iserror=1), " +
                answers + " FROM (SELECT id FROM old.examdata WHERE iserror=1" + answerIds +
                ") AS k WHERE k.id NOT IN (SELECT id FROM main.examdata) ORDER BY k.id");
    while (dropped.Step()) {
        report.droppedIds.push_back(static_cast<int>(dropped.Integer(0)));
        report.droppedMarks += static_cast<int>(dropped.Integer(1));
        report.droppedAnswers += static_cast<int>(dropped.Integer(2));
    }
}

} // namespace

TCarryReport CarryRecord(const QString& oldBank, const QString& newBank)
{
    if (!QFileInfo(newBank).isFile())
        throw EBankError(QStringLiteral("%1: no such file").arg(newBank));
    TConnection db(newBank, TConnection::Mode::ReadWrite, QuestionsKey);
    AttachOld(db, oldBank);
    TCarryReport report;
    // Deferred: an immediate transaction would ask for the write lock of the read-only old bank
    // too.
    db.Exec("BEGIN");
    report.marks = Changed(db, "UPDATE main.examdata SET iserror=1 WHERE iserror IS NOT 1 AND id "
                               "IN (SELECT id FROM old.examdata WHERE iserror=1)");
    report.scores = CarryScores(db);
    const bool withAnswers = HasTable(db, "old", "answerlog");
    if (withAnswers)
        report.answers = CarryAnswers(db);
    if (HasTable(db, "old", "studyplan"))
        report.plan = CarryPlan(db);
    NoteDropped(db, withAnswers, report);
    db.Exec("COMMIT");
    return report;
}

} // namespace bank
