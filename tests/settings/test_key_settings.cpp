#include "AnswerSheet.h"
#include "Fixture.h"
#include "FrmConfig.h"
#include "FrmMain.h"
#include "KeyBindings.h"
#include "ProfileStrings.h"
#include "TestNotices.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <memory>

namespace {

const QString Keyboard = QStringLiteral("keyboard");
const QString KeyboardKey = QStringLiteral("keyboard_key");
const char* const BoxOrder[] = {"edta", "edtb", "edtc",   "edtd",
                                "edty", "edtn", "edtpre", "edtnext"};

QString Read(const QString& section, const QString& key)
{
    return platform::TProfileFile(ConfigFilePath())
        .ReadString(section, key, QStringLiteral("(none)"));
}

QByteArray ConfigBytes()
{
    QFile file(ConfigFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteConfig(const QByteArray& text)
{
    QFile file(ConfigFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// The key names of one section, in file order.
QStringList SectionKeys(const QString& section)
{
    QStringList keys;
    bool inside = false;
    for (const QByteArray& raw : ConfigBytes().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inside = line.compare(QLatin1Char('[') + section + QLatin1Char(']'),
                                  Qt::CaseInsensitive) == 0;
        else if (inside && line.contains(QLatin1Char('=')))
            keys << line.section(QLatin1Char('='), 0, 0);
    }
    return keys;
}

QList<quint16> Bindings(const TPractice& p)
{
    return {p.KeyA, p.KeyB, p.KeyC, p.KeyD, p.KeyYes, p.KeyNo, p.KeyPrev, p.KeyNext};
}

// The main window on a small bank, with the move after an answer off.
struct TMain
{
    TMain()
    {
        platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
        w.show();
        w.Practice().AutoNext = false;
    }

    std::unique_ptr<fixture::TBankFolder> bank =
        fixture::SmallBank({fixture::ChoiceQuestion(1, 1), fixture::ChoiceQuestion(2, 1)});
    fixture::TNotices notices;
    TFrmMain w;

    // One opening of the dialog, shown without a modal loop of its own.
    std::unique_ptr<TFrmConfig> Open()
    {
        auto dialog = std::make_unique<TFrmConfig>(&w, w.Practice());
        dialog->show();
        return dialog;
    }
};

QLineEdit* Box(QWidget& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QStringList Texts(QWidget& dialog)
{
    QStringList texts;
    for (const char* name : BoxOrder)
        texts << Box(dialog, name)->text();
    return texts;
}

QStringList DefaultTexts()
{
    return {"7", "4", "1", "0", "7", "4", "PageUp", "PageDown"};
}

QString WriteError()
{
    return QStringLiteral("Unable to write to %1.")
        .arg(QFileInfo(ConfigFilePath()).absoluteFilePath());
}

} // namespace

class TestKeySettings : public QObject
{
    Q_OBJECT

private slots:
    void buttonOpensTheDialogModally();
    void keypadKeyBindsAtOnceWithoutSaving();
    void capture_data();
    void capture();
    void tabMovesTheFocusUncaptured();
    void saveStoresTheTextsBesideTheCodes();
    void defaultsAfterOk();
    void defaultsCancelledChangeNothing();
    void refusedWritesAreReportedAndTheDialogStillCloses();
    void restoredFromMinimisedKeepsTheEdits();
};

void TestKeySettings::buttonOpensTheDialogModally()
{
    TMain m;
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TFrmConfig*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        inspected = true;
        QCOMPARE(dialog->parentWidget(), &m.w);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("键盘设置"));
        QCOMPARE(dialog->size(), QSize(347, 325));
        QCOMPARE(dialog->font().pixelSize(), 11);
        QCOMPARE(dialog->focusWidget(), Box(*dialog, "edta"));
        QCOMPARE(Texts(*dialog), DefaultTexts());
        auto* group = dialog->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
        QCOMPARE(group->geometry(), QRect(8, 8, 329, 257));
        QCOMPARE(group->title(), QStringLiteral("答题热键设置"));
        QCOMPARE(Box(*dialog, "edta")->geometry(), QRect(129, 21, 40, 21));
        QCOMPARE(Box(*dialog, "edtnext")->geometry(), QRect(225, 229, 60, 21));
        QCOMPARE(Box(*dialog, "edta")->parentWidget(), group);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label9"))->text(),
                 QStringLiteral("上一题:使用 ← 键 或 ↑ 键 或 －键 或"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label12"))->text(),
                 QStringLiteral("键 "));
        QCOMPARE(dialog->findChild<QWidget*>(QStringLiteral("Bevel2"))->geometry(),
                 QRect(24, 192, 282, 7));
        auto* save = dialog->findChild<QPushButton*>(QStringLiteral("btnSave"));
        auto* defaults = dialog->findChild<QPushButton*>(QStringLiteral("btnDefault"));
        QCOMPARE(save->geometry(), QRect(32, 284, 96, 25));
        QCOMPARE(save->text(), QStringLiteral("保存设置"));
        QVERIFY(!save->icon().isNull());
        QCOMPARE(defaults->geometry(), QRect(218, 284, 96, 25));
        QCOMPARE(defaults->text(), QStringLiteral("恢复默认"));
        QVERIFY(!defaults->icon().isNull());

        // Enter and Escape are captured like every key and close nothing.
        QTest::keyClick(Box(*dialog, "edta"), Qt::Key_Return);
        QTest::keyClick(Box(*dialog, "edtb"), Qt::Key_Escape);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Read(KeyboardKey, "EDTA"), QStringLiteral("13"));
        QCOMPARE(Read(KeyboardKey, "EDTB"), QStringLiteral("27"));
        dialog->close();
    });

    m.w.Controls().BtnConfig->click();
    QVERIFY(inspected);
    QVERIFY(m.w.findChildren<TFrmConfig*>().isEmpty());
    QVERIFY(m.notices.shown.isEmpty());
}

void TestKeySettings::keypadKeyBindsAtOnceWithoutSaving()
{
    TMain m;
    {
        auto dialog = m.Open();
        QTest::keyClick(Box(*dialog, "edta"), Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(Box(*dialog, "edta")->text(), QStringLiteral("5"));
        QCOMPARE(Read(KeyboardKey, "EDTA"), QStringLiteral("101"));
        dialog->close();
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
    QCOMPARE(Read(Keyboard, "EDTA"), QStringLiteral("(none)"));
    QCOMPARE(Texts(*m.Open()), DefaultTexts());

    QTest::keyClick(m.w.Controls().Grd, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(m.w.Practice().Questions[0].answer, QStringLiteral("A"));
    QVERIFY(m.notices.shown.isEmpty());
}

void TestKeySettings::capture_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("main 5") << "edta" << int(Qt::Key_5) << none << "5" << 53;
    QTest::newRow("Page Up in edtpre") << "edtpre" << int(Qt::Key_PageUp) << none << "PageUp" << 33;
    QTest::newRow("Page Down in edtnext")
        << "edtnext" << int(Qt::Key_PageDown) << none << "PageDown" << 34;
    QTest::newRow("Page Down in edtpre")
        << "edtpre" << int(Qt::Key_PageDown) << none << "PageDown" << 34;
    QTest::newRow("Page Up in edta") << "edta" << int(Qt::Key_PageUp) << none << "" << 33;
    QTest::newRow("a letter") << "edtb" << int(Qt::Key_Q) << none << "" << 81;
    QTest::newRow("digit in edtnext") << "edtnext" << int(Qt::Key_9) << none << "9" << 57;
    QTest::newRow("Backspace") << "edtc" << int(Qt::Key_Backspace) << none << "" << 8;
    QTest::newRow("Delete") << "edtd" << int(Qt::Key_Delete) << none << "" << 46;
    QTest::newRow("left arrow") << "edty" << int(Qt::Key_Left) << none << "" << 37;
    QTest::newRow("Enter") << "edtn" << int(Qt::Key_Return) << none << "" << 13;
    QTest::newRow("Escape") << "edtpre" << int(Qt::Key_Escape) << none << "" << 27;
    QTest::newRow("Num Lock off keypad 4")
        << "edtb" << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "" << 37;
    // The box's own undo must not bring back the text the capture emptied.
    QTest::newRow("Ctrl+Z") << "edta" << int(Qt::Key_Z)
                            << Qt::KeyboardModifiers(Qt::ControlModifier) << "" << 90;
}

void TestKeySettings::capture()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    TMain m;
    auto dialog = m.Open();
    QLineEdit* edit = Box(*dialog, box.toLatin1().constData());
    QVERIFY(!edit->text().isEmpty());

    QTest::keyClick(edit, Qt::Key(key), modifiers);
    QCOMPARE(edit->text(), text);
    QCOMPARE(Read(KeyboardKey, box.toUpper()), QString::number(code));
    QCOMPARE(SectionKeys(KeyboardKey), QStringList{box.toUpper()});
    QVERIFY(dialog->isVisible());
    QVERIFY(m.notices.shown.isEmpty());
}

void TestKeySettings::tabMovesTheFocusUncaptured()
{
    TMain m;
    auto dialog = m.Open();
    QApplication::setActiveWindow(dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(QApplication::focusWidget(), Box(*dialog, "edta"));

    const QStringList order = {"edtb",   "edtc",    "edtd",    "edty",      "edtn",
                               "edtpre", "edtnext", "btnSave", "btnDefault"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QTest::keyClick(Box(*dialog, "edtn"), Qt::Key_Backtab);
    QCOMPARE(Box(*dialog, "edtn")->text(), QStringLiteral("4"));
    QVERIFY(!QFile::exists(ConfigFilePath()));
}

void TestKeySettings::saveStoresTheTextsBesideTheCodes()
{
    TMain m;
    auto dialog = m.Open();
    const struct
    {
        const char* box;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } presses[] = {
        {"edta", Qt::Key_3, Qt::NoModifier},          {"edtb", Qt::Key_Backspace, Qt::NoModifier},
        {"edtc", Qt::Key_9, Qt::KeypadModifier},      {"edtd", Qt::Key_X, Qt::NoModifier},
        {"edty", Qt::Key_2, Qt::KeypadModifier},      {"edtn", Qt::Key_3, Qt::KeypadModifier},
        {"edtpre", Qt::Key_PageDown, Qt::NoModifier}, {"edtnext", Qt::Key_PageUp, Qt::NoModifier},
    };
    for (const auto& press : presses)
        QTest::keyClick(Box(*dialog, press.box), press.key, press.modifiers);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnSave")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(SectionKeys(Keyboard),
             QStringList({"EDTA", "EDTB", "EDTC", "EDTD", "EDTPRE", "EDTNEXT", "EDTN", "EDTY"}));
    QStringList codes = SectionKeys(KeyboardKey);
    QStringList texts = SectionKeys(Keyboard);
    codes.sort();
    texts.sort();
    QCOMPARE(codes, texts);
    QCOMPARE(Read(Keyboard, "EDTB"), QString());
    QCOMPARE(Read(Keyboard, "EDTPRE"), QStringLiteral("PageDown"));
    // The main window has the new bindings before any key release.
    QCOMPARE(Bindings(m.w.Practice()), QList<quint16>({51, 8, 105, 88, 98, 99, 34, 33}));

    QCOMPARE(Texts(*m.Open()), QStringList({"3", "", "9", "", "2", "3", "PageDown", "PageUp"}));
    QVERIFY(m.notices.shown.isEmpty());
}

void TestKeySettings::defaultsAfterOk()
{
    TMain m;
    WriteConfig(
        "[keyboard]\nEDTA=5\nEDTPRE=9\n[other]\nx=1\n[keyboard_key]\nEDTA=101\nEDTPRE=105\n");
    m.w.Practice().SetKeyBoard();
    QCOMPARE(m.w.Practice().KeyA, quint16(101));
    auto dialog = m.Open();
    QCOMPARE(Box(*dialog, "edta")->text(), QStringLiteral("5"));
    m.notices.Answer(true);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnDefault")),
                      Qt::LeftButton);
    QCOMPARE(m.notices.shown.size(), 1);
    const platform::Notices::TShown& box = m.notices.shown.front();
    QCOMPARE(box.kind, platform::Notices::Kind::Confirmation);
    QCOMPARE(box.text, QStringLiteral("确定要恢复默认设置吗？"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.owner, dialog.get());
    QVERIFY(!dialog->isVisible());
    QVERIFY(SectionKeys(Keyboard).isEmpty());
    QVERIFY(SectionKeys(KeyboardKey).isEmpty());
    QCOMPARE(SectionKeys(QStringLiteral("other")), QStringList{"x"});
    QCOMPARE(Bindings(m.w.Practice()), QList<quint16>({103, 100, 97, 96, 103, 100, 33, 34}));
    QCOMPARE(Texts(*m.Open()), DefaultTexts());
}

void TestKeySettings::defaultsCancelledChangeNothing()
{
    TMain m;
    WriteConfig("[keyboard]\nEDTA=5\n[keyboard_key]\nEDTA=101\n");
    const QByteArray before = ConfigBytes();
    m.w.Practice().KeyA = 1;
    auto dialog = m.Open();
    m.notices.Answer(false);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnDefault")),
                      Qt::LeftButton);
    QCOMPARE(m.notices.shown.size(), 1);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(ConfigBytes(), before);
    QCOMPARE(m.w.Practice().KeyA, quint16(101));
}

void TestKeySettings::refusedWritesAreReportedAndTheDialogStillCloses()
{
    TMain m;
    WriteConfig("[keyboard]\nEDTA=5\n[keyboard_key]\nEDTA=101\n");
    const QByteArray before = ConfigBytes();
    QFile::setPermissions(ConfigFilePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    auto errors = [&] {
        QStringList texts;
        for (const platform::Notices::TShown& box : m.notices.shown)
            if (box.kind == platform::Notices::Kind::Error)
                texts << box.text;
        return texts;
    };

    auto dialog = m.Open();
    QTest::keyClick(Box(*dialog, "edtb"), Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(errors(), QStringList{WriteError()});
    QCOMPARE(m.notices.shown.front().caption, QStringLiteral("砺行驾考－驾驶员考试单机版"));
    QVERIFY(dialog->isVisible());

    m.w.Practice().KeyA = 1;
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnSave")), Qt::LeftButton);
    QCOMPARE(errors().size(), 2);
    QCOMPARE(errors().back(), WriteError());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m.w.Practice().KeyA, quint16(1)); // the failed handler went no further

    dialog = m.Open();
    m.notices.Answer(true);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnDefault")),
                      Qt::LeftButton);
    QCOMPARE(errors().size(), 3);
    QCOMPARE(errors().back(), WriteError());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(ConfigBytes(), before);
    QFile::setPermissions(ConfigFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QTEST_MAIN(TestKeySettings)
void TestKeySettings::restoredFromMinimisedKeepsTheEdits()
{
    TMain m;
    auto dialog = m.Open();
    QTest::keyClick(Box(*dialog, "edtb"), Qt::Key_9, Qt::KeypadModifier);
    QCOMPARE(Box(*dialog, "edtb")->text(), QStringLiteral("9"));
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    // Not sendEvent, which would clear the flag.
    qApp->notify(dialog.get(), &restored);
    QCOMPARE(Box(*dialog, "edtb")->text(), QStringLiteral("9"));
}

#include "test_key_settings.moc"
