#include "AnswerSheet.h"
#include "BankFiles.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "Guard.h"
#include "KeyBindings.h"
#include "Notices.h"
#include "ProfileStrings.h"
#include "TestNotices.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class PackDamage
{
    Missing,
    NotADatabase,
    PictureMissing,
    NotAPicture
};

// Question 1 has no picture, 2 and 3 have one each.
std::vector<bank::TQuestion> PictureQuestions()
{
    std::vector<bank::TQuestion> questions;
    for (int id = 1; id <= 3; ++id) {
        bank::TQuestion q = fixture::ChoiceQuestion(id, 1);
        if (id > 1)
            q.imgname = QStringLiteral("tu%1").arg(id);
        questions.push_back(std::move(q));
    }
    return questions;
}

std::vector<bank::TPicture> PackFor(PackDamage damage)
{
    const QByteArray png = fixture::PngPicture();
    std::vector<bank::TPicture> pack{{"tu3", png}};
    if (damage == PackDamage::NotAPicture)
        pack.push_back({"tu2", "GIF89a, but nothing after it"});
    return pack;
}

QByteArray Garbage(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(936);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

QByteArray HugeConfig()
{
    QByteArray text = "[other]\r\n";
    for (int n = 0; text.size() < 10 * 1024 * 1024; ++n)
        text += "note" + QByteArray::number(n) + "=" + QByteArray(60, 'x') + "\r\n";
    return text;
}

QString WriteReport(const QString& path)
{
    return platform::Notices::ErrorReportText("Unable to write to " + path);
}

void TurnAutoNextOff(TFrmMain& w)
{
    w.findChild<QCheckBox*>("ChkAutoNext")->click();
}

QPushButton* Button(TFrmMain& w, const char* name)
{
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

Q_DECLARE_METATYPE(PackDamage)

// The picture pack and the settings file damaged or refused: the question is still shown and
// answered, the keys still work, and a refused write is told and leaves the file whole.
class TestRobustFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考")); }

    void pictureTroubleShowsTheQuestionWithout_data()
    {
        QTest::addColumn<PackDamage>("damage");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("laterPicturesShow");
        QTest::newRow("pack missing") << PackDamage::Missing << "Resource tu2 not found" << false;
        QTest::newRow("pack not a database")
            << PackDamage::NotADatabase << "Resource tu2 not found" << false;
        QTest::newRow("picture not in the pack")
            << PackDamage::PictureMissing << "Resource tu2 not found" << true;
        QTest::newRow("bytes not a picture")
            << PackDamage::NotAPicture << "Resource tu2 is not a picture" << true;
    }
    void pictureTroubleShowsTheQuestionWithout()
    {
        QFETCH(PackDamage, damage);
        QFETCH(QString, message);
        QFETCH(bool, laterPicturesShow);
        auto folder = fixture::SmallBank(PictureQuestions(), PackFor(damage));
        const QString pack = folder->FilePath("Image.db");
        if (damage == PackDamage::Missing)
            QVERIFY(QFile::remove(pack));
        if (damage == PackDamage::NotADatabase)
            robust::WriteFileBytes(pack, "这不是图片库");
        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        TurnAutoNextOff(w);
        QVERIFY(notices.shown.isEmpty());

        Button(w, "BtnNext")->click();
        QCOMPARE(notices.Texts(), QStringList{platform::Notices::ErrorReportText(message)});
        const TMainControls& c = w.Controls();
        QVERIFY(c.LblExam->text().startsWith("2.选择题2："));
        QVERIFY(c.ImgExam->isHidden());
        QCOMPARE(c.LblExam->width(), 710);

        Button(w, "BtnA")->click();
        QCOMPARE(c.LblTR->text(), "答题/正确：1 / 1");
        Button(w, "BtnNext")->click();
        QVERIFY(c.LblExam->text().startsWith("3.选择题3："));
        QCOMPARE(c.ImgExam->isVisible(), laterPicturesShow);
        QCOMPARE(notices.shown.size(), laterPicturesShow ? 1 : 2);
    }

    void keysWorkWhateverTheSettingsFileHolds_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("keypadAnswers"); // keypad 7, bound to A by default
        QTest::newRow("missing") << false << QByteArray() << true;
        QTest::newRow("empty") << true << QByteArray() << true;
        QTest::newRow("binary garbage") << true << Garbage(64 * 1024) << true;
        QTest::newRow("10 MB") << true << HugeConfig() << true;
        QTest::newRow("not numbers")
            << true << QByteArray("[keyboard_key]\r\nEDTA=七\r\nEDTB=\r\nEDTPRE=0x\r\n") << true;
        // A code beyond 255 binds nothing; the letters still answer.
        QTest::newRow("out of range")
            << true << QByteArray("[keyboard_key]\r\nEDTA=70000\r\nEDTB=-1\r\n") << false;
    }
    void keysWorkWhateverTheSettingsFileHolds()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, content);
        QFETCH(bool, keypadAnswers);
        auto folder = fixture::SmallBank({fixture::ChoiceQuestion(1, 1)});
        const QString config = ConfigFilePath();
        QCOMPARE(QFileInfo(config).absolutePath(), QFileInfo(folder->Path()).absoluteFilePath());
        if (present)
            robust::WriteFileBytes(config, content);
        fixture::TNotices notices;
        TFrmMain w;
        w.show();
        TurnAutoNextOff(w);
        const TMainControls& c = w.Controls();

        QTest::keyClick(c.Grd, Qt::Key_7, Qt::KeypadModifier);
        QCOMPARE(c.LblMyAnswer->text(), keypadAnswers ? "A" : "");
        QTest::keyClick(c.Grd, Qt::Key_B);
        QCOMPARE(c.LblMyAnswer->text(), "B");
        QVERIFY(notices.shown.isEmpty());
        QCOMPARE(QFile::exists(config), present);
        if (present)
            QCOMPARE(robust::FileBytes(config), content);
    }

    void refusedSettingsWriteIsToldAndChangesNothing_data()
    {
        QTest::addColumn<bool>("folderReadOnly");
        QTest::newRow("file read-only") << false;
        QTest::newRow("folder read-only") << true;
    }
    void refusedSettingsWriteIsToldAndChangesNothing()
    {
        QFETCH(bool, folderReadOnly);
        QTemporaryDir tmp;
        const QString dir = tmp.filePath("settings");
        QVERIFY(QDir().mkpath(dir));
        const QString path = QDir(dir).filePath("Config.cfg");
        const QByteArray before = "[keyboard_key]\r\nEDTA=65\r\n";
        robust::WriteFileBytes(path, before);
        const QString locked = folderReadOnly ? dir : path;
        const QFile::Permissions permissions = QFile::permissions(locked);
        QVERIFY(
            QFile::setPermissions(locked, permissions & ~(QFile::WriteOwner | QFile::WriteUser |
                                                          QFile::WriteGroup | QFile::WriteOther)));

        fixture::TNotices notices;
        platform::TProfileFile profile(path);
        platform::Guard([&] { profile.WriteInteger("keyboard_key", "EDTA", 67); });
        QCOMPARE(notices.Texts(), QStringList{WriteReport(profile.Path())});
        QCOMPARE(profile.ReadInteger("keyboard_key", "EDTA", 0), 65);
        QVERIFY(QFile::setPermissions(locked, permissions));
        QCOMPARE(robust::FileBytes(path), before);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.cfg"});

        // Writable again, the same write goes through.
        platform::Guard([&] { profile.WriteInteger("keyboard_key", "EDTA", 67); });
        QCOMPARE(notices.shown.size(), 1);
        QCOMPARE(profile.ReadInteger("keyboard_key", "EDTA", 0), 67);
    }

    void hugeSettingsFileKeepsAllOfItOnAWrite()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath("Config.cfg");
        const QByteArray huge = HugeConfig();
        robust::WriteFileBytes(path, huge);
        const QByteArray lastKey = huge.mid(huge.lastIndexOf("\r\nnote") + 2).split('=').first();
        platform::TProfileFile profile(path);
        profile.WriteInteger("keyboard_key", "EDTA", 67);
        QCOMPARE(profile.ReadInteger("keyboard_key", "EDTA", 0), 67);
        const QString kept = QString(60, QLatin1Char('x'));
        QCOMPARE(profile.ReadString("other", "note0", QString()), kept);
        QCOMPARE(profile.ReadString("other", QString::fromLatin1(lastKey), QString()), kept);
    }
};

QTEST_MAIN(TestRobustFiles)
#include "test_robust_files.moc"
