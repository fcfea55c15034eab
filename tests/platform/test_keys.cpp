#include "Keys.h"

#include <QTest>

using platform::IsRepeatedRelease;
using platform::VirtualKey;

class TestKeys : public QObject
{
    Q_OBJECT

private slots:
    void virtualKey_data();
    void virtualKey();
    void repeatedRelease_data();
    void repeatedRelease();
};

namespace {
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;

void AddRow(const char* name, int key, Qt::KeyboardModifiers modifiers, int code)
{
    QTest::newRow(name) << key << modifiers << code;
}
} // namespace

void TestKeys::virtualKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");

    for (int i = 0; i < 26; ++i) {
        const QByteArray letter(1, char('A' + i));
        QTest::newRow(letter) << Qt::Key_A + i << None << 65 + i;
        QTest::newRow("Shift+" + letter) << Qt::Key_A + i << Shift << 65 + i;
    }
    for (int i = 0; i < 10; ++i) {
        const QByteArray digit = QByteArray::number(i);
        QTest::newRow("main " + digit) << Qt::Key_0 + i << None << 48 + i;
        QTest::newRow("keypad " + digit) << Qt::Key_0 + i << Keypad << 96 + i;
    }
    for (int i = 0; i < 12; ++i)
        QTest::newRow("F" + QByteArray::number(i + 1)) << Qt::Key_F1 + i << None << 112 + i;

    AddRow("Ctrl+A", Qt::Key_A, Qt::ControlModifier, 65);

    AddRow("keypad 7 Num Lock off", Qt::Key_Home, Keypad, 36);
    AddRow("keypad 8 Num Lock off", Qt::Key_Up, Keypad, 38);
    AddRow("keypad 9 Num Lock off", Qt::Key_PageUp, Keypad, 33);
    AddRow("keypad 4 Num Lock off", Qt::Key_Left, Keypad, 37);
    AddRow("keypad 5 Num Lock off", Qt::Key_Clear, Keypad, 12);
    AddRow("keypad 6 Num Lock off", Qt::Key_Right, Keypad, 39);
    AddRow("keypad 1 Num Lock off", Qt::Key_End, Keypad, 35);
    AddRow("keypad 2 Num Lock off", Qt::Key_Down, Keypad, 40);
    AddRow("keypad 3 Num Lock off", Qt::Key_PageDown, Keypad, 34);
    AddRow("keypad 0 Num Lock off", Qt::Key_Insert, Keypad, 45);
    AddRow("keypad . Num Lock off", Qt::Key_Delete, Keypad, 46);
    AddRow("keypad Enter", Qt::Key_Enter, Keypad, 13);

    AddRow("keypad *", Qt::Key_Asterisk, Keypad, 106);
    AddRow("keypad +", Qt::Key_Plus, Keypad, 107);
    AddRow("keypad -", Qt::Key_Minus, Keypad, 109);
    AddRow("keypad .", Qt::Key_Period, Keypad, 110);
    AddRow("keypad decimal comma", Qt::Key_Comma, Keypad, 110);
    AddRow("keypad /", Qt::Key_Slash, Keypad, 111);

    AddRow("left", Qt::Key_Left, None, 37);
    AddRow("up", Qt::Key_Up, None, 38);
    AddRow("right", Qt::Key_Right, None, 39);
    AddRow("down", Qt::Key_Down, None, 40);
    AddRow("Page Up", Qt::Key_PageUp, None, 33);
    AddRow("Page Down", Qt::Key_PageDown, None, 34);
    AddRow("Home", Qt::Key_Home, None, 36);
    AddRow("End", Qt::Key_End, None, 35);
    AddRow("Insert", Qt::Key_Insert, None, 45);
    AddRow("Delete", Qt::Key_Delete, None, 46);
    AddRow("Return", Qt::Key_Return, None, 13);
    AddRow("Enter", Qt::Key_Enter, None, 13);
    AddRow("Escape", Qt::Key_Escape, None, 27);
    AddRow("Backspace", Qt::Key_Backspace, None, 8);
    AddRow("Tab", Qt::Key_Tab, None, 9);
    AddRow("Shift+Tab", Qt::Key_Backtab, Shift, 9);
    AddRow("Space", Qt::Key_Space, None, 32);
    AddRow("Shift", Qt::Key_Shift, Shift, 16);
    AddRow("Ctrl", Qt::Key_Control, Qt::ControlModifier, 17);
    AddRow("Alt", Qt::Key_Alt, Qt::AltModifier, 18);

    AddRow(";", Qt::Key_Semicolon, None, 186);
    AddRow(":", Qt::Key_Colon, Shift, 186);
    AddRow("=", Qt::Key_Equal, None, 187);
    AddRow("main +", Qt::Key_Plus, Shift, 187);
    AddRow(",", Qt::Key_Comma, None, 188);
    AddRow("<", Qt::Key_Less, Shift, 188);
    AddRow("main -", Qt::Key_Minus, None, 189);
    AddRow("_", Qt::Key_Underscore, Shift, 189);
    AddRow("main .", Qt::Key_Period, None, 190);
    AddRow(">", Qt::Key_Greater, Shift, 190);
    AddRow("main /", Qt::Key_Slash, None, 191);
    AddRow("?", Qt::Key_Question, Shift, 191);
    AddRow("`", Qt::Key_QuoteLeft, None, 192);
    AddRow("~", Qt::Key_AsciiTilde, Shift, 192);
    AddRow("[", Qt::Key_BracketLeft, None, 219);
    AddRow("{", Qt::Key_BraceLeft, Shift, 219);
    AddRow("\\", Qt::Key_Backslash, None, 220);
    AddRow("|", Qt::Key_Bar, Shift, 220);
    AddRow("]", Qt::Key_BracketRight, None, 221);
    AddRow("}", Qt::Key_BraceRight, Shift, 221);
    AddRow("'", Qt::Key_Apostrophe, None, 222);
    AddRow("\"", Qt::Key_QuoteDbl, Shift, 222);

    AddRow("!", Qt::Key_Exclam, Shift, 49);
    AddRow("@", Qt::Key_At, Shift, 50);
    AddRow("#", Qt::Key_NumberSign, Shift, 51);
    AddRow("$", Qt::Key_Dollar, Shift, 52);
    AddRow("%", Qt::Key_Percent, Shift, 53);
    AddRow("^", Qt::Key_AsciiCircum, Shift, 54);
    AddRow("&", Qt::Key_Ampersand, Shift, 55);
    AddRow("main *", Qt::Key_Asterisk, Shift, 56);
    AddRow("(", Qt::Key_ParenLeft, Shift, 57);
    AddRow(")", Qt::Key_ParenRight, Shift, 48);

    AddRow("unknown key", Qt::Key_unknown, None, 0);
    AddRow("no key", 0, None, 0);
    AddRow("key without a code", Qt::Key_VolumeUp, None, 0);
}

void TestKeys::virtualKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);

    const QKeyEvent event(QEvent::KeyRelease, key, modifiers);
    QCOMPARE(int(VirtualKey(event)), code);
}

void TestKeys::repeatedRelease_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("repeated");

    QTest::newRow("final release") << int(QEvent::KeyRelease) << false << false;
    QTest::newRow("release while held") << int(QEvent::KeyRelease) << true << true;
    QTest::newRow("press while held") << int(QEvent::KeyPress) << true << false;
}

void TestKeys::repeatedRelease()
{
    QFETCH(int, type);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, repeated);

    const QKeyEvent event(QEvent::Type(type), Qt::Key_A, Qt::NoModifier, QString(), autoRepeat);
    QCOMPARE(IsRepeatedRelease(event), repeated);
}

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
