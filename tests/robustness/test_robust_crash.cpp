#include "BankFiles.h"
#include "Db.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "KeyBindings.h"
#include "MockExam.h"
#include "Notices.h"
#include "Paths.h"
#include "ProfileStrings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

// The trainer killed at any moment of its writes: a child process answers wrongly, clears the
// error book, answers in mock exams, stores scores and rewrites Config.cfg in a loop, noting each
// completed write in a journal; the parent kills it and checks that the bank is sound and nothing
// noted was lost.
namespace {

const QString JournalName = QStringLiteral("journal.txt");
// Every chapter holds at least its exam quota.
constexpr int BankSize = 210;
constexpr int PayloadLength = 4000;

QString Payload(int n)
{
    return QString::number(n) + QLatin1Char(':') + QString(PayloadLength, QLatin1Char('x')) +
           QStringLiteral(":end");
}

// Each line reaches the disk before the next write starts.
class TJournal
{
public:
    explicit TJournal(const QString& path) : file(path)
    {
        if (!file.open(QIODevice::Append | QIODevice::Text))
            qFatal("cannot open the journal");
    }
    void Note(const QString& line)
    {
        file.write((line + QLatin1Char('\n')).toUtf8());
        file.flush();
        ::fsync(file.handle());
    }

private:
    QFile file;
};

int RunChild(const QString& dir)
{
    QDir::setCurrent(dir);
    platform::OverrideExecutableDir(dir);
    int errors = 0;
    platform::Notices::SetResponder([&errors](const platform::Notices::TShown& box) {
        if (box.kind == platform::Notices::Kind::Error) {
            ++errors;
            qWarning("reported: %s", qPrintable(box.text));
        }
        return true;
    });
    TJournal journal(QDir(dir).filePath(JournalName));
    TFrmMain w;
    w.show();
    w.findChild<QCheckBox*>("ChkAutoNext")->click();
    const TMainControls& c = w.Controls();
    platform::TProfileFile config(ConfigFilePath());
    // The learner in front of the result dialog closes it with its close box at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer.start(0);
    const QString run = QString::number(QCoreApplication::applicationPid());
    for (int n = 0;; ++n) {
        // Any write the program reports as failed is simply not noted.
        const int before = errors;
        const int id = w.Practice().Current()->id;
        c.BtnB->click();
        // The mark and the answer's row in the record.
        if (errors == before)
            journal.Note(QStringLiteral("mark %1").arg(id));
        if (w.Practice().CurrentNo < w.Practice().QuestionCount)
            c.BtnNext->click();
        else
            c.BtnOrder->click();

        if (n % 7 == 6) {
            journal.Note(QStringLiteral("clearing"));
            c.mniN2->trigger();
            if (errors == before)
                journal.Note(QStringLiteral("cleared"));
        }
        if (n % 5 == 2) {
            c.BtnMN->click();
            QStringList answered;
            for (int k = 0; k < 3; ++k) {
                const int reported = errors;
                const int question = w.Practice().Current()->id;
                c.BtnA->click();
                if (errors == reported)
                    answered << QStringLiteral("answer %1").arg(question);
                c.BtnNext->click();
            }
            journal.Note(answered.join(QLatin1Char('\n')));
            const int exam = errors;
            const int score = w.Exam().Score();
            w.Exam().ExamSubmit();
            if (errors == exam)
                journal.Note(QStringLiteral("exam %1").arg(score));
        }
        const QString dateline = QStringLiteral("%1-%2").arg(run).arg(n);
        try {
            db::InsertScore(QStringLiteral("score,dateline"),
                            QStringLiteral("%1,'%2'").arg(n % 101).arg(dateline));
            journal.Note(QStringLiteral("score ") + dateline);
        } catch (const ESQLiteException& e) {
            qWarning("score: %s", e.what());
        }
        try {
            config.WriteString(QStringLiteral("robust"), QStringLiteral("payload"), Payload(n));
            journal.Note(QStringLiteral("config %1").arg(n));
        } catch (const platform::EProfileWriteError& e) {
            qWarning("config: %s", e.what());
        }
        QCoreApplication::processEvents();
    }
}

// What the journal promises: the marks noted since the last clear began, every score noted,
// and the last settings value noted in this round.
struct TPromised
{
    QSet<QString> marks;
    QSet<QString> scores;
    QStringList examScores; // in the order submitted
    QStringList answers;    // "answer <qid>", in the order given
    int lastConfig = -1;
};

TPromised ReadJournal(const QString& path, const QStringList& initialMarks)
{
    TPromised promised;
    promised.marks = QSet<QString>(initialMarks.begin(), initialMarks.end());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return promised;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        // A clear that began may have taken effect even if it was not noted as done.
        if (line == "clearing" || line == "cleared")
            promised.marks.clear();
        else if (line.startsWith("mark ")) {
            promised.marks.insert(line);
            promised.answers << QStringLiteral("answer ") + line.mid(5);
        } else if (line.startsWith("answer "))
            promised.answers << line;
        else if (line.startsWith("exam "))
            promised.examScores << line.mid(5);
        else if (line.startsWith("score "))
            promised.scores.insert(line.mid(6));
        else if (line.startsWith("config "))
            promised.lastConfig = line.mid(7).toInt();
    }
    return promised;
}

QString IntegrityCheck(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_key(db, "tqwpzn", 4);
    sqlite3_stmt* stmt = nullptr;
    QString result = QString::fromUtf8(sqlite3_errmsg(db));
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

// Whether every item of part comes in whole, in its order, with anything between.
bool InOrderWithin(const QStringList& part, const QStringList& whole)
{
    qsizetype found = 0;
    for (const QString& item : whole)
        if (found < part.size() && item == part[found])
            ++found;
    return found == part.size();
}

qint64 JournalSize(const QString& path)
{
    return QFileInfo(path).size();
}

} // namespace

class TestRobustCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedInTheMiddleOfWritesLosesNothingItFinished()
    {
        auto folder = fixture::SmallBank(robust::PracticeBank(BankSize));
        db::CloseQuestionStore();
        const QString bank = folder->FilePath("Test.db");
        const QString journal = folder->FilePath(JournalName);
        const QStringList initialMarks = robust::LearnerData(bank);
        QRandomGenerator random(QRandomGenerator::global()->generate());
        for (int round = 0; round < 8; ++round) {
            const qint64 start = JournalSize(journal);
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {"--child", folder->Path()});
            QVERIFY(child.waitForStarted());
            QElapsedTimer waited;
            waited.start();
            while (JournalSize(journal) == start && waited.elapsed() < 10000)
                QThread::msleep(10);
            QVERIFY2(JournalSize(journal) > start, "the child never completed a write");
            QThread::msleep(random.bounded(50, 1000));
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            QCOMPARE(IntegrityCheck(bank), "ok");
            const TPromised promised = ReadJournal(journal, initialMarks);
            const QStringList learner = robust::LearnerData(bank);
            for (const QString& mark : promised.marks)
                QVERIFY2(learner.contains(mark), qPrintable(mark));
            QSet<QString> datelines;
            QStringList examScores; // rows stored by a submission carry the date and time
            for (const QString& row : learner) {
                if (!row.startsWith("score "))
                    continue;
                datelines.insert(row.section(' ', 3));
                if (row.section(' ', 3).contains(QLatin1Char(':')))
                    examScores << row.section(' ', 2, 2);
            }
            // A row stored just before a kill may be missing from the journal, never the reverse.
            QVERIFY(InOrderWithin(promised.examScores, examScores));
            QVERIFY(InOrderWithin(promised.answers, robust::AnswerRecord(bank)));
            for (const QString& dateline : promised.scores)
                QVERIFY2(datelines.contains(dateline), qPrintable(dateline));

            const platform::TProfileFile config(folder->FilePath("Config.cfg"));
            const QString payload = config.ReadString("robust", "payload", QString());
            const int stored = payload.section(':', 0, 0).toInt();
            QCOMPARE(payload, Payload(stored));
            QVERIFY2(
                stored == promised.lastConfig || stored == promised.lastConfig + 1,
                qPrintable(
                    QStringLiteral("stored %1, noted %2").arg(stored).arg(promised.lastConfig)));
        }
        // The rounds did reach every kind of write.
        const QString noted = QString::fromUtf8(robust::FileBytes(journal));
        qInfo("journal: %lld answers, %lld marks, %lld clears, %lld exams, %lld scores, %lld "
              "settings writes",
              static_cast<long long>(noted.count("answer ")),
              static_cast<long long>(noted.count("mark ")),
              static_cast<long long>(noted.count("cleared")),
              static_cast<long long>(noted.count("exam ")),
              static_cast<long long>(noted.count("score ")),
              static_cast<long long>(noted.count("config ")));
        for (const char* kind : {"answer ", "mark ", "cleared", "exam ", "score ", "config "})
            QVERIFY2(noted.contains(QLatin1String(kind)), kind);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return RunChild(QString::fromLocal8Bit(argv[2]));
    TestRobustCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_robust_crash.moc"
