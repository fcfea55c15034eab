#include "BankWriter.h"
#include "Fixture.h"
#include "Paths.h"
#include "PictureLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::TPictureLibrary;

namespace {

// A folder holding only a picture pack with these pictures.
void WritePack(const QTemporaryDir& dir, std::vector<bank::TPicture> pictures)
{
    bank::WriteBank(dir.path(), {}, pictures);
    QFile::remove(dir.filePath(QStringLiteral("Test.db")));
}

QString ErrorOf(const TPictureLibrary& library, const QString& name)
{
    try {
        library.Bitmap(name);
    } catch (const platform::EResourceError& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

class TestPictureLibrary : public QObject
{
    Q_OBJECT

private slots:
    void init() { home = QDir::currentPath(); }
    void cleanup()
    {
        QDir::setCurrent(home);
        platform::OverrideExecutableDir(QString());
    }

    void namesCompareWithoutCase_data();
    void namesCompareWithoutCase();
    void missingNameIsReported();
    void packBesideTheExecutableComesFirst();
    void noReadablePackLoadsNothing();

private:
    QString home;
};

void TestPictureLibrary::namesCompareWithoutCase_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("asked");
    QTest::newRow("same") << "tu12"
                          << "tu12";
    QTest::newRow("asked in upper case") << "tu12"
                                         << "TU12";
    QTest::newRow("stored in upper case") << "TU12"
                                          << "tu12";
    QTest::newRow("mixed") << "Sign_Stop"
                           << "sIGN_sTOP";
}

void TestPictureLibrary::namesCompareWithoutCase()
{
    QFETCH(QString, stored);
    QFETCH(QString, asked);
    QTemporaryDir dir;
    WritePack(dir, {{stored, fixture::PngPicture(21, 13)}});
    const auto library = TPictureLibrary::LoadFile(dir.filePath(QStringLiteral("Image.db")));
    QVERIFY(library);
    QCOMPARE(library->Bitmap(asked).size(), QSize(21, 13));
}

void TestPictureLibrary::missingNameIsReported()
{
    QTemporaryDir dir;
    WritePack(dir, {{QStringLiteral("tu1"), fixture::PngPicture()},
                    {QStringLiteral("broken"), QByteArray("not a picture")}});
    const auto library = TPictureLibrary::LoadFile(dir.filePath(QStringLiteral("Image.db")));
    QVERIFY(library);
    QCOMPARE(ErrorOf(*library, QStringLiteral("tu2")), QStringLiteral("Resource tu2 not found"));
    QCOMPARE(ErrorOf(*library, QStringLiteral("tu1 ")), QStringLiteral("Resource tu1  not found"));
    QCOMPARE(ErrorOf(*library, QString()), QStringLiteral("Resource  not found"));
    QCOMPARE(ErrorOf(*library, QStringLiteral("broken")),
             QStringLiteral("Resource broken is not a picture"));
    QVERIFY(ErrorOf(*library, QStringLiteral("tu1")).isEmpty());
}

void TestPictureLibrary::packBesideTheExecutableComesFirst()
{
    QTemporaryDir exeDir, workDir;
    WritePack(exeDir, {{QStringLiteral("tu1"), fixture::PngPicture(10, 10)}});
    WritePack(workDir, {{QStringLiteral("tu1"), fixture::PngPicture(20, 20)},
                        {QStringLiteral("tu2"), fixture::PngPicture(30, 30)}});
    platform::OverrideExecutableDir(exeDir.path());
    QDir::setCurrent(workDir.path());
    auto library = TPictureLibrary::Load();
    QVERIFY(library);
    QCOMPARE(library->Bitmap(QStringLiteral("tu1")).size(), QSize(10, 10));
    // One pack only: the other folder's pictures are not mixed in.
    QCOMPARE(ErrorOf(*library, QStringLiteral("tu2")), QStringLiteral("Resource tu2 not found"));

    // Without a pack beside the executable, the working folder's is taken.
    QVERIFY(QFile::remove(exeDir.filePath(QStringLiteral("Image.db"))));
    library = TPictureLibrary::Load();
    QVERIFY(library);
    QCOMPARE(library->Bitmap(QStringLiteral("tu2")).size(), QSize(30, 30));
}

void TestPictureLibrary::noReadablePackLoadsNothing()
{
    QTemporaryDir exeDir, workDir;
    platform::OverrideExecutableDir(exeDir.path());
    QDir::setCurrent(workDir.path());
    QVERIFY(!TPictureLibrary::Load());

    QFile damaged(workDir.filePath(QStringLiteral("Image.db")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    QVERIFY(!TPictureLibrary::Load());
}

QTEST_MAIN(TestPictureLibrary)
#include "test_picture_library.moc"
