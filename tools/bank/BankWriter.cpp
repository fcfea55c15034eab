#include "BankWriter.h"

#include "AnswerLog.h"
#include "BankError.h"
#include "BankFiles.h"
#include "Codec.h"
#include "Sqlite.h"
#include "StudyPlan.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace bank {
namespace {

const char* const CreateExamdata =
    "CREATE TABLE examdata(id INTEGER PRIMARY KEY, title TEXT, a TEXT, b TEXT, c TEXT, d TEXT, "
    "imgname TEXT, result TEXT, chapter INTEGER, item INTEGER, difficult INTEGER, qhlx INTEGER, "
    "iserror INTEGER, explain TEXT)";
const char* const CreateScoredata =
    "CREATE TABLE scoredata(id INTEGER PRIMARY KEY AUTOINCREMENT, score INTEGER, dateline TEXT)";
const char* const CreatePictures =
    "CREATE TABLE pictures(name TEXT PRIMARY KEY COLLATE NOCASE, data BLOB NOT NULL)";

void CheckUnique(const std::vector<TQuestion>& questions, const std::vector<TPicture>& pictures)
{
    QSet<int> ids;
    for (const TQuestion& q : questions) {
        if (ids.contains(q.id))
            throw EBankError(QStringLiteral("the question id %1 appears twice").arg(q.id));
        ids.insert(q.id);
    }
    QSet<QString> names;
    for (const TPicture& p : pictures) {
        const QString key = p.name.toCaseFolded();
        if (names.contains(key))
            throw EBankError(
                QStringLiteral("the picture name \"%1\" appears twice (letter case aside)")
                    .arg(p.name));
        names.insert(key);
    }
}

// A file beside its final name that disappears unless it is renamed into place.
class TPendingFile
{
public:
    TPendingFile(const QString& dir, const QString& name)
        : finalPath(QDir(dir).filePath(name)), file(finalPath + QStringLiteral(".XXXXXX"))
    {
        if (!file.open())
            throw EBankError(QStringLiteral("%1: cannot create a temporary file: %2")
                                 .arg(dir, file.errorString()));
        file.close();
    }
    QString Path() const { return file.fileName(); }
    void Commit()
    {
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::ReadOther);
        if (std::rename(QFile::encodeName(Path()).constData(),
                        QFile::encodeName(finalPath).constData()) != 0)
            throw EBankError(QStringLiteral("%1: cannot put in place: %2")
                                 .arg(finalPath, QString::fromLocal8Bit(std::strerror(errno))));
    }

private:
    QString finalPath;
    QTemporaryFile file;
};

QByteArray Gbk(const TQuestion& q, const QString& column, const QString& text)
{
    try {
        return platform::ToCodePage936(text);
    } catch (const platform::ECodecError& e) {
        throw EBankError(
            QStringLiteral("question id %1, column \"%2\": %3").arg(q.id).arg(column, e.what()));
    }
}

void InsertQuestions(TConnection& db, const std::vector<TQuestion>& questions)
{
    TStatement insert(db,
                      "INSERT INTO examdata(id, title, a, b, c, d, imgname, result, chapter, item, "
                      "difficult, qhlx, iserror, explain) "
                      "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QStringList& columns = QuestionColumns();
    for (const TQuestion& q : questions) {
        for (int i = 0; i < columns.size(); ++i) {
            if (IsIntegerColumn(columns[i]))
                insert.Bind(i + 1, static_cast<qint64>(ColumnNumber(q, columns[i])));
            else
                insert.Bind(i + 1, Gbk(q, columns[i], ColumnText(q, columns[i])));
        }
        insert.Run();
    }
}

// The marks and scores are the learner's, not the school's: a new edition of the questions
// must not wipe them.
void TakeOverLearnerData(TConnection& db)
{
    db.Exec(
        "UPDATE examdata SET iserror=1 WHERE id IN (SELECT id FROM old.examdata WHERE iserror=1)");
    db.Exec(
        "INSERT INTO scoredata(id, score, dateline) SELECT id, score, dateline FROM old.scoredata");
    db.Exec("DELETE FROM main.sqlite_sequence WHERE name='scoredata'");
    db.Exec("INSERT INTO main.sqlite_sequence(name, seq) "
            "SELECT name, seq FROM old.sqlite_sequence WHERE name='scoredata'");
}

// The answers of questions still in the bank, with their row keys, in their order.
void TakeOverAnswerLog(TConnection& db)
{
    TStatement exists(db,
                      "SELECT 1 FROM old.sqlite_master WHERE type='table' AND name='answerlog'");
    if (!exists.Step())
        return;
    db.Exec("INSERT INTO answerlog(id, qid, answered_at, answer, correct, mode) "
            "SELECT id, qid, answered_at, answer, correct, mode FROM old.answerlog "
            "WHERE qid IN (SELECT id FROM main.examdata) ORDER BY id");
}

// The learner's plan (the exam date) is not tied to any question.
void TakeOverStudyPlan(TConnection& db)
{
    TStatement exists(db,
                      "SELECT 1 FROM old.sqlite_master WHERE type='table' AND name='studyplan'");
    if (!exists.Step())
        return;
    db.Exec("INSERT INTO studyplan(name, value) SELECT name, value FROM old.studyplan");
}

void WriteQuestions(const QString& path, const QString& previous,
                    const std::vector<TQuestion>& questions)
{
    TConnection db(path, TConnection::Mode::ReadWrite, QuestionsKey);
    const bool keep = QFileInfo::exists(previous);
    if (keep) {
        try {
            TStatement attach(db, "ATTACH DATABASE ? AS old KEY ?");
            attach.Bind(1, QFile::encodeName(previous));
            attach.Bind(2, QuestionsKey);
            attach.Run();
            db.Exec("SELECT id, iserror FROM old.examdata LIMIT 0");
            db.Exec("SELECT id, score, dateline FROM old.scoredata LIMIT 0");
        } catch (const EBankError&) {
            throw EBankError(QStringLiteral("%1: cannot hand on its learner data: %2")
                                 .arg(previous, db.LastError()));
        }
    }
    db.Exec("BEGIN");
    db.Exec(CreateExamdata);
    db.Exec(CreateScoredata);
    db.Exec(db::CreateAnswerLogSql);
    db.Exec(db::CreateAnswerLogIndexSql);
    db.Exec(db::CreateStudyPlanSql);
    InsertQuestions(db, questions);
    if (keep) {
        TakeOverLearnerData(db);
        TakeOverAnswerLog(db);
        TakeOverStudyPlan(db);
    }
    db.Exec("COMMIT");
}

void WritePack(const QString& path, const std::vector<TPicture>& pictures)
{
    TConnection db(path, TConnection::Mode::ReadWrite);
    db.Exec("BEGIN");
    db.Exec(CreatePictures);
    TStatement insert(db, "INSERT INTO pictures(name, data) VALUES(?, ?)");
    for (const TPicture& p : pictures) {
        insert.Bind(1, p.name.toUtf8());
        insert.BindBlob(2, p.data);
        insert.Run();
    }
    db.Exec("COMMIT");
}

} // namespace

void WriteBank(const QString& outDir, const std::vector<TQuestion>& questions,
               const std::vector<TPicture>& pictures, TSubject subject)
{
    CheckUnique(questions, pictures);
    if (!QDir().mkpath(outDir))
        throw EBankError(QStringLiteral("%1: cannot create the folder").arg(outDir));
    const QString bankName = db::BankFileName(subject);
    TPendingFile questionsFile(outDir, bankName);
    TPendingFile picturesFile(outDir, db::PictureFileName(subject));
    WriteQuestions(questionsFile.Path(), QDir(outDir).filePath(bankName), questions);
    WritePack(picturesFile.Path(), pictures);
    picturesFile.Commit();
    questionsFile.Commit();
}

} // namespace bank
