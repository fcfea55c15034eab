#include "BankFiles.h"
#include "BankWriter.h"
#include "Fixture.h"
#include "Sqlite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The launcher takes each bank the package ships into the learner's folder: a copy on first use,
// and with an upgrade that brings a new edition, the new bank with the learner's record carried
// over and the old copy kept in backup/.
namespace {

std::vector<bank::TQuestion> Questions(int first, int last)
{
    std::vector<bank::TQuestion> questions;
    for (int id = first; id <= last; ++id)
        questions.push_back(fixture::ChoiceQuestion(id, 1));
    return questions;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QString Query(const QString& bank, const char* sql)
{
    bank::TConnection db(bank, bank::TConnection::Mode::ReadOnly, bank::QuestionsKey);
    bank::TStatement s(db, sql);
    QStringList values;
    while (s.Step())
        values << QString::fromUtf8(s.Bytes(0));
    return values.join(u',');
}

constexpr QFile::Permissions Executable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

// An installed package in a temporary prefix, with a trainer that only tells where it ran, and
// a learner's home.
class TInstall
{
public:
    TInstall()
    {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("prefix/" JIAKAO_BIN_DIR));
        root.mkpath(QStringLiteral("prefix/" JIAKAO_LIB_DIR));
        root.mkpath(QStringLiteral("prefix/" JIAKAO_SHARE_DIR));
        root.mkpath(QStringLiteral("home"));
        // As the package installs it: the build leaves the configured script unmarked.
        QFile::copy(JIAKAO_LAUNCHER, Prefix(JIAKAO_BIN_DIR "/jiakao"));
        QFile::setPermissions(Prefix(JIAKAO_BIN_DIR "/jiakao"), Executable);
        QFile::link(JIAKAO_BANK_EXE, Prefix(JIAKAO_BIN_DIR "/jiakao-bank"));
        QFile trainer(Prefix(JIAKAO_LIB_DIR "/jiakao"));
        trainer.open(QIODevice::WriteOnly);
        trainer.write("#!/bin/sh\necho \"trainer in $(pwd)\"\n");
        trainer.close();
        trainer.setPermissions(Executable);
    }

    QString Prefix(const char* path) const
    {
        return dir.filePath(QStringLiteral("prefix/") + path);
    }
    QString Shipped(const QString& name) const
    {
        return dir.filePath(QStringLiteral("prefix/" JIAKAO_SHARE_DIR "/") + name);
    }
    QString Learner(const QString& name = QString()) const
    {
        return dir.filePath(QStringLiteral("home/.local/share/jiakao/") + name);
    }
    void Ship(const QString& name, int firstId, int lastId)
    {
        QTemporaryDir build;
        bank::WriteBank(build.path(), Questions(firstId, lastId), {});
        QFile::remove(Shipped(name));
        QFile::copy(QDir(build.path()).filePath(bank::QuestionsFile), Shipped(name));
    }
    // Runs the launcher as the menu does; its output.
    QString Start()
    {
        QProcess launcher;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        launcher.setProcessEnvironment(env);
        launcher.setProcessChannelMode(QProcess::MergedChannels);
        launcher.start(Prefix(JIAKAO_BIN_DIR "/jiakao"), {});
        launcher.waitForFinished();
        exitCode = launcher.exitCode();
        return QString::fromUtf8(launcher.readAllStandardOutput());
    }
    QStringList Backups() const
    {
        return QDir(Learner(QStringLiteral("backup"))).entryList(QDir::Files);
    }

    int exitCode = -1;

private:
    QTemporaryDir dir;
};

// The learner's record in a bank: marks, then answers.
void Practise(const QString& bank)
{
    bank::TConnection db(bank, bank::TConnection::Mode::ReadWrite, bank::QuestionsKey);
    db.Exec("UPDATE examdata SET iserror=1 WHERE id IN (2, 3);"
            "INSERT INTO answerlog(qid, answered_at, answer, correct, mode) VALUES"
            "(2, '2026-05-01 08:00:00', 'B', 0, 0), (3, '2026-05-01 08:01:00', 'C', 0, 0);"
            "INSERT INTO scoredata(score, dateline) VALUES(88, '2026-05-01 09:00:00')");
}

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void copiesTheBankOnFirstUseAndKeepsItAfter()
    {
        TInstall install;
        install.Ship("Test.db", 1, 5);
        QCOMPARE(install.Start(), "trainer in " + install.Learner().chopped(1) + "\n");
        QCOMPARE(install.exitCode, 0);
        QCOMPARE(Bytes(install.Learner("Test.db")), Bytes(install.Shipped("Test.db")));
        QVERIFY(!QFile::exists(install.Learner("Test4.db")));
        Practise(install.Learner("Test.db"));
        const QByteArray practised = Bytes(install.Learner("Test.db"));
        install.Start();
        QCOMPARE(Bytes(install.Learner("Test.db")), practised);
        QCOMPARE(install.Backups(), QStringList());
    }

    // A new edition of each shipped bank: the learner's copy gives way to it with its record,
    // and stays in backup/ as it was; a bank the package adds is copied as on first use.
    void anUpgradeCarriesTheRecordIntoTheNewBank_data()
    {
        QTest::addColumn<bool>("noted");
        QTest::newRow("copy noted") << true;
        QTest::newRow("copy from before notes") << false;
    }
    void anUpgradeCarriesTheRecordIntoTheNewBank()
    {
        QFETCH(bool, noted);
        TInstall install;
        install.Ship("Test.db", 1, 5);
        install.Start();
        if (!noted)
            QVERIFY(QFile::remove(install.Learner(".Test.db.shipped")));
        Practise(install.Learner("Test.db"));
        const QByteArray practised = Bytes(install.Learner("Test.db"));

        install.Ship("Test.db", 3, 9);
        install.Ship("Test4.db", 1, 4);
        const QString output = install.Start();
        QVERIFY2(output.contains("carried into") && output.contains("1 error marks, 1 scores, 1 "
                                                                    "answers"),
                 qPrintable(output));
        QVERIFY(output.endsWith("trainer in " + install.Learner().chopped(1) + "\n"));
        const QString bank = install.Learner("Test.db");
        QCOMPARE(Query(bank, "SELECT min(id) || '-' || max(id) FROM examdata"), "3-9");
        QCOMPARE(Query(bank, "SELECT id FROM examdata WHERE iserror=1"), "3");
        QCOMPARE(Query(bank, "SELECT qid FROM answerlog"), "3");
        QCOMPARE(Query(bank, "SELECT score FROM scoredata"), "88");
        QCOMPARE(install.Backups().size(), 1);
        QVERIFY(install.Backups()[0].startsWith("Test-before-upgrade-"));
        QCOMPARE(Bytes(install.Learner("backup/" + install.Backups()[0])), practised);
        QCOMPARE(Bytes(install.Learner("Test4.db")), Bytes(install.Shipped("Test4.db")));

        // Started again, nothing more happens.
        const QByteArray upgraded = Bytes(bank);
        QCOMPARE(install.Start(), "trainer in " + install.Learner().chopped(1) + "\n");
        QCOMPARE(Bytes(bank), upgraded);
        QCOMPARE(install.Backups().size(), 1);
    }

    // A school's own bank, noted "keep", is never replaced; a copy the carry cannot read stays
    // as it is, the trainer starts all the same, and the next start tries again.
    void keepsWhatItMustNotReplace()
    {
        TInstall install;
        install.Ship("Test.db", 1, 5);
        install.Start();
        QFile note(install.Learner(".Test.db.shipped"));
        note.open(QIODevice::WriteOnly);
        note.write("keep\n");
        note.close();
        const QByteArray school = Bytes(install.Learner("Test.db"));
        install.Ship("Test.db", 3, 9);
        install.Start();
        QCOMPARE(Bytes(install.Learner("Test.db")), school);

        QVERIFY(note.remove());
        QFile damaged(install.Learner("Test.db"));
        damaged.open(QIODevice::WriteOnly);
        damaged.write("not a bank");
        damaged.close();
        const QString output = install.Start();
        QVERIFY2(output.contains("could not take over the record") &&
                     output.endsWith("trainer in " + install.Learner().chopped(1) + "\n"),
                 qPrintable(output));
        QCOMPARE(install.exitCode, 0);
        QCOMPARE(Bytes(install.Learner("Test.db")), QByteArray("not a bank"));
        QVERIFY(install.Start().contains("could not take over the record"));
        QCOMPARE(install.Backups(), QStringList());
        QVERIFY(!QFile::exists(install.Learner(".upgrade")));
    }
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "test_launcher.moc"
