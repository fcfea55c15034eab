#include "Keys.h"

#include <optional>

namespace platform {
namespace {

// With Num Lock off the keypad sends Home, the arrows and so on, whose codes the main
// keyboard's cursor keys share; only Num Lock on gives the keypad codes of its own.
std::optional<quint16> KeypadVirtualKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<quint16>(96 + key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return std::nullopt;
    }
}

// Keys of the main keyboard; a shifted character maps to the key that typed it on a US
// layout.
quint16 MainVirtualKey(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<quint16>(65 + key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<quint16>(48 + key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<quint16>(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Clear:
        return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Print:
        return 44;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_ParenRight:
        return 48;
    case Qt::Key_Exclam:
        return 49;
    case Qt::Key_At:
        return 50;
    case Qt::Key_NumberSign:
        return 51;
    case Qt::Key_Dollar:
        return 52;
    case Qt::Key_Percent:
        return 53;
    case Qt::Key_AsciiCircum:
        return 54;
    case Qt::Key_Ampersand:
        return 55;
    case Qt::Key_Asterisk:
        return 56;
    case Qt::Key_ParenLeft:
        return 57;
    case Qt::Key_Meta:
        return 91;
    case Qt::Key_Menu:
        return 93;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}

} // namespace

quint16 VirtualKey(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const std::optional<quint16> code = KeypadVirtualKey(key))
            return *code;
    }
    return MainVirtualKey(key);
}

bool IsRepeatedRelease(const QKeyEvent& event)
{
    return event.type() == QEvent::KeyRelease && event.isAutoRepeat();
}

TPressedKeys::TKeyId TPressedKeys::IdOf(const QKeyEvent& event)
{
    if (const quint32 scan = event.nativeScanCode(); scan != 0)
        return {scan, 0};
    return {0, event.key()};
}

void TPressedKeys::Pressed(const QKeyEvent& event)
{
    down.insert(IdOf(event));
}

bool TPressedKeys::Released(const QKeyEvent& event)
{
    return down.erase(IdOf(event)) > 0;
}

} // namespace platform
