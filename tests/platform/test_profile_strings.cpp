#include "ProfileStrings.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using platform::EProfileWriteError;
using platform::TProfileFile;

class TestProfileStrings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pathIsAbsolute();
    void namesIgnoreCase();
    void rewrittenKeyKeepsItsLine();
    void newKeysAndSections();
    void firstWriteCreatesFile();
    void utf8Values();
    void everyReadSeesTheDisk();
    void eraseSection();
    void writesKeepEveryOtherByte_data();
    void writesKeepEveryOtherByte();
    void readInteger_data();
    void readInteger();
    void damagedFilesReadDefaults_data();
    void damagedFilesReadDefaults();
    void hugeFileIsRead();
    void refusedWrites_data();
    void refusedWrites();
    void erasingMissingSectionOfReadOnlyFile();
    void writeReplacesFileAtomically();

private:
    QString CfgPath() const { return Dir->filePath("Config.cfg"); }
    QByteArray FileText() const;
    QStringList FileLines() const;
    void PutFile(const QByteArray& text) const;

    std::unique_ptr<QTemporaryDir> Dir;
    QString StartDir;
};

namespace {
const QByteArray Sample = "[keyboard]\n"
                          "EDTA=7\n"
                          "EDTB=4\n"
                          "\n"
                          "[keyboard_key]\n"
                          "EDTA=103\n"
                          "EDTB=100\n";

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr QFileDevice::Permissions ReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions ReadOnlyFolder =
    ReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
} // namespace

QByteArray TestProfileStrings::FileText() const
{
    return ReadAll(CfgPath());
}

// The library lays out blank lines its own way; the lines that carry text are what count.
QStringList TestProfileStrings::FileLines() const
{
    return QString::fromUtf8(FileText()).split('\n', Qt::SkipEmptyParts);
}

void TestProfileStrings::PutFile(const QByteArray& text) const
{
    QFile file(CfgPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text), text.size());
}

void TestProfileStrings::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    StartDir = QDir::currentPath();
}

void TestProfileStrings::cleanup()
{
    QDir::setCurrent(StartDir);
    QFile::setPermissions(Dir->path(), ReadOnlyFolder | QFileDevice::WriteOwner);
    QFile::setPermissions(CfgPath(), ReadOnly | QFileDevice::WriteOwner);
    Dir.reset();
}

void TestProfileStrings::pathIsAbsolute()
{
    QVERIFY(QDir::setCurrent(Dir->path()));
    QCOMPARE(TProfileFile("sub/../Config.cfg").Path(),
             QDir(Dir->path()).absoluteFilePath("Config.cfg"));
}

void TestProfileStrings::namesIgnoreCase()
{
    PutFile("[Keyboard_Key]\nEdtA=65\n");
    TProfileFile cfg(CfgPath());
    QCOMPARE(cfg.ReadString("KEYBOARD_KEY", "edta", "x"), QString("65"));
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 0), 65);

    cfg.WriteInteger("keyboard_KEY", "EDTA", 66);
    QCOMPARE(FileLines(), QStringList({"[Keyboard_Key]", "EdtA=66"}));
}

void TestProfileStrings::rewrittenKeyKeepsItsLine()
{
    PutFile(Sample);
    TProfileFile cfg(CfgPath());
    cfg.WriteString("keyboard", "EDTA", "5");
    cfg.WriteInteger("keyboard_key", "EDTA", 101);
    QCOMPARE(FileLines(), QStringList({"[keyboard]", "EDTA=5", "EDTB=4", "[keyboard_key]",
                                       "EDTA=101", "EDTB=100"}));
}

void TestProfileStrings::newKeysAndSections()
{
    PutFile(Sample);
    TProfileFile cfg(CfgPath());
    cfg.WriteString("keyboard", "EDTPRE", "PageUp");
    cfg.WriteString("other", "k", "v");
    QCOMPARE(FileLines(),
             QStringList({"[keyboard]", "EDTA=7", "EDTB=4", "EDTPRE=PageUp", "[keyboard_key]",
                          "EDTA=103", "EDTB=100", "[other]", "k=v"}));
    QCOMPARE(cfg.ReadString("KEYBOARD", "edtpre", ""), QString("PageUp"));
}

void TestProfileStrings::firstWriteCreatesFile()
{
    TProfileFile cfg(CfgPath());
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 103), 103);
    QVERIFY(!QFile::exists(CfgPath()));

    cfg.WriteInteger("keyboard_key", "EDTA", 101);
    QCOMPARE(FileLines(), QStringList({"[keyboard_key]", "EDTA=101"}));
}

void TestProfileStrings::utf8Values()
{
    TProfileFile cfg(CfgPath());
    cfg.WriteString("keyboard", "EDTA", "小键盘");
    QVERIFY(FileText().contains("EDTA=\xe5\xb0\x8f\xe9\x94\xae\xe7\x9b\x98\n"));
    QCOMPARE(cfg.ReadString("keyboard", "EDTA", ""), QString("小键盘"));
}

void TestProfileStrings::everyReadSeesTheDisk()
{
    PutFile(Sample);
    const TProfileFile cfg(CfgPath());
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 0), 103);
    PutFile("[keyboard_key]\nEDTA=65\n");
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 0), 65);
    QFile::remove(CfgPath());
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 0), 0);
}

void TestProfileStrings::eraseSection()
{
    PutFile(Sample);
    TProfileFile cfg(CfgPath());
    cfg.EraseSection("KEYBOARD");
    QCOMPARE(FileLines(), QStringList({"[keyboard_key]", "EDTA=103", "EDTB=100"}));
    QCOMPARE(cfg.ReadString("keyboard", "EDTA", "7"), QString("7"));

    cfg.EraseSection("keyboard");
    cfg.EraseSection("keyboard_key");
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 103), 103);
    QCOMPARE(FileLines(), QStringList());

    QFile::remove(CfgPath());
    cfg.EraseSection("keyboard");
    QVERIFY(!QFile::exists(CfgPath()));
}

// The platform edits the one line a write concerns; whatever else the file holds, seen or not
// (comments, stray lines, a key or a section of a name that comes again), stays as it was.
void TestProfileStrings::writesKeepEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray twice = "; keys\n"
                             "[keyboard_key]\n"
                             "EDTA = \"53\"\n"
                             "stray line\n"
                             "EDTA=54\n"
                             "\n"
                             "[keyboard_key]\n"
                             "EDTA=55\n"
                             "EDTB=1\n";
    QTest::newRow("first key of the first section")
        << twice << "keyboard_key"
        << "101" << QByteArray(twice).replace("EDTA = \"53\"", "EDTA=101");
    QTest::newRow("new key after the first section's last key")
        << QByteArray("[keyboard_key]\r\nEDTB=1\r\n\r\n[keyboard_key]\r\nEDTA=55\r\n")
        << "keyboard_key"
        << "101"
        << QByteArray("[keyboard_key]\r\nEDTB=1\r\nEDTA=101\r\n\r\n[keyboard_key]\r\nEDTA=55\r\n");
    QTest::newRow("new section at the end of a file without a last line break")
        << QByteArray("[other]\nk=v") << "keyboard_key"
        << "101" << QByteArray("[other]\nk=v\n\n[keyboard_key]\nEDTA=101\n");
    QTest::newRow("erasing takes every section of the name")
        << twice << "keyboard_key" << QString() << QByteArray("; keys\n");
    QTest::newRow("erasing leaves the other sections")
        << QByteArray("[a]\nx=1\n[keyboard_key]\nEDTA=1\n[b]\ny=2\n[Keyboard_Key]\nEDTB=1\n")
        << "keyboard_key" << QString() << QByteArray("[a]\nx=1\n[b]\ny=2\n");
}

void TestProfileStrings::writesKeepEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    PutFile(before);
    TProfileFile cfg(CfgPath());
    if (value.isNull())
        cfg.EraseSection(section);
    else
        cfg.WriteString(section, "EDTA", value);
    QCOMPARE(FileText(), after);
    QCOMPARE(cfg.ReadInteger(section, "EDTA", -77), value.isNull() ? -77 : value.toInt());
}

void TestProfileStrings::readInteger_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("expected");

    const int def = -77;
    const auto row = [](const char* name, const QByteArray& value, int expected) {
        QTest::newRow(name) << "[keyboard_key]\nEDTA=" + value + "\n" << expected;
    };
    row("decimal", "101", 101);
    row("blanks around", " 42 ", 42);
    row("tab around", "\t42\t", 42);
    row("minus one", "-1", -1);
    row("plus sign", "+7", 7);
    row("zero", "0", 0);
    row("int max", "2147483647", 2147483647);
    row("int min", "-2147483648", -2147483647 - 1);
    row("hex", "0x1F", 31);
    row("hex upper prefix", "0X1f", 31);
    row("hex all bits", "0xFFFFFFFF", -1);
    row("letters", "abc", def);
    row("empty", "", def);
    row("trailing letters", "12abc", def);
    row("inner blank", "1 2", def);
    row("decimal point", "1.5", def);
    row("too big", "99999999999", def);
    row("just above int max", "2147483648", def);
    row("hex too big", "0x100000000", def);
    row("prefix only", "0x", def);
    row("hex with sign", "0x-1", def);
    row("two signs", "+-1", def);
    row("sign only", "-", def);
    row("double quotes", "\"53\"", 53);
    row("single quotes", "'53'", 53);
    row("blanks inside the quotes", "\" 53 \"", 53);
    row("quote at one end only", "\"53", def);
    row("quotes that do not match", "\"53'", def);
    row("quotes around nothing", "\"\"", def);
    QTest::newRow("first of two keys")
        << QByteArray("[keyboard_key]\nEDTA=53\nEDTB=1\nedta=54\n") << 53;
    QTest::newRow("first of two sections")
        << QByteArray("[keyboard_key]\nEDTA=53\n[keyboard]\nEDTA=1\n[KEYBOARD_KEY]\nEDTA=54\n")
        << 53;
    QTest::newRow("a key of the second section of a name only")
        << QByteArray("[keyboard_key]\nEDTB=1\n[keyboard_key]\nEDTA=54\n") << def;
    QTest::newRow("key before any section") << QByteArray("EDTA=53\n[keyboard_key]\n") << def;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[keyboard_key]\nEDTA=53\n") << 53;
    QTest::newRow("line breaks of two bytes") << QByteArray("[keyboard_key]\r\nEDTA=53\r\n") << 53;
    QTest::newRow("missing key") << QByteArray("[keyboard_key]\nEDTB=1\n") << def;
    QTest::newRow("missing section") << QByteArray("[keyboard]\nEDTA=1\n") << def;
    QTest::newRow("missing file") << QByteArray() << def;
}

void TestProfileStrings::readInteger()
{
    QFETCH(QByteArray, file);
    QFETCH(int, expected);

    if (!file.isNull())
        PutFile(file);
    QCOMPARE(TProfileFile(CfgPath()).ReadInteger("keyboard_key", "EDTA", -77), expected);
}

void TestProfileStrings::damagedFilesReadDefaults_data()
{
    QTest::addColumn<QByteArray>("file");

    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(936);
    for (char& byte : garbage)
        byte = char(random.bounded(256));

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("garbage") << garbage;
    QTest::newRow("10 MB garbage") << garbage.repeated(160);
    QTest::newRow("10 MB line") << QByteArray(10 * 1024 * 1024, 'x');
    QTest::newRow("unclosed section") << QByteArray("[keyboard_key\nEDTA=65\n");
}

void TestProfileStrings::damagedFilesReadDefaults()
{
    QFETCH(QByteArray, file);

    PutFile(file);
    const TProfileFile cfg(CfgPath());
    QCOMPARE(cfg.ReadString("keyboard", "EDTA", "7"), QString("7"));
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 103), 103);
}

void TestProfileStrings::hugeFileIsRead()
{
    QByteArray file = "[filler]\n";
    for (int i = 0; file.size() < 10 * 1024 * 1024; ++i)
        file += "key" + QByteArray::number(i) + "=some value of a filler line\n";
    file += "[keyboard_key]\nEDTA=65\n";
    PutFile(file);

    TProfileFile cfg(CfgPath());
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 103), 65);
    cfg.WriteInteger("keyboard_key", "EDTA", 66);
    QCOMPARE(cfg.ReadInteger("keyboard_key", "EDTA", 103), 66);
    QCOMPARE(cfg.ReadString("filler", "key0", ""), QString("some value of a filler line"));
}

void TestProfileStrings::refusedWrites_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("erase");

    QTest::newRow("read-only file, write") << "read-only file" << false;
    QTest::newRow("read-only file, erase") << "read-only file" << true;
    QTest::newRow("read-only folder, write") << "read-only folder" << false;
    QTest::newRow("read-only folder, erase") << "read-only folder" << true;
    QTest::newRow("missing folder, write") << "missing folder" << false;
    QTest::newRow("file is a folder, write") << "file is a folder" << false;
}

void TestProfileStrings::refusedWrites()
{
    QFETCH(QString, where);
    QFETCH(bool, erase);

    QString path = CfgPath();
    PutFile(Sample);
    if (where == "read-only file") {
        QVERIFY(QFile::setPermissions(path, ReadOnly));
    } else if (where == "read-only folder") {
        QVERIFY(QFile::setPermissions(Dir->path(), ReadOnlyFolder));
    } else if (where == "missing folder") {
        path = Dir->filePath("missing/Config.cfg");
    } else {
        path = Dir->filePath("Config.cfg.d");
        QVERIFY(QDir().mkpath(path));
    }

    TProfileFile cfg(path);
    try {
        if (erase)
            cfg.EraseSection("keyboard");
        else
            cfg.WriteInteger("keyboard_key", "EDTA", 101);
        QFAIL("the write was not refused");
    } catch (const EProfileWriteError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), "Unable to write to " + path);
    }
    QCOMPARE(FileText(), Sample);
    QCOMPARE(QDir(Dir->path()).entryList(QDir::Files), QStringList("Config.cfg"));
}

void TestProfileStrings::erasingMissingSectionOfReadOnlyFile()
{
    PutFile(Sample);
    QVERIFY(QFile::setPermissions(CfgPath(), ReadOnly));
    TProfileFile(CfgPath()).EraseSection("absent");
    QCOMPARE(FileText(), Sample);
}

// The new text goes to a temporary file that then takes the old one's name: a reader that
// opened the file before keeps the complete old text, and nothing is left lying about.
void TestProfileStrings::writeReplacesFileAtomically()
{
    PutFile(Sample);
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QVERIFY(QFile::setPermissions(CfgPath(), permissions));
    QFile before(CfgPath());
    QVERIFY(before.open(QIODevice::ReadOnly));

    TProfileFile(CfgPath()).WriteInteger("keyboard_key", "EDTA", 101);

    QCOMPARE(before.readAll(), Sample);
    QCOMPARE(FileLines(), QStringList({"[keyboard]", "EDTA=7", "EDTB=4", "[keyboard_key]",
                                       "EDTA=101", "EDTB=100"}));
    QCOMPARE(QDir(Dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList("Config.cfg"));
    const auto ofCurrentUser =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    QCOMPARE(QFile::permissions(CfgPath()) & ~ofCurrentUser, permissions);
}

QTEST_GUILESS_MAIN(TestProfileStrings)
#include "test_profile_strings.moc"
