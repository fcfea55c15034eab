#pragma once

#include <QKeyEvent>
#include <QtGlobal>
#include <set>
#include <utility>

// Config.cfg stores keys as Windows virtual-key codes, so bindings written by earlier versions
// of the program keep their meaning. Only the key and the keypad flag of an event are looked
// at: the code names the key pressed, not the character it typed.
namespace platform {

// 0 for a key that has no virtual-key code.
quint16 VirtualKey(const QKeyEvent& event);

// A held key repeats its press and release; only its final release is meant to act.
bool IsRepeatedRelease(const QKeyEvent& event);

// The keys that went down in one window and are not yet up again. A key pressed while a message
// box or a dialog had the keyboard reaches the window, once the box has closed on that press,
// with its release alone; such a release was meant for the box.
class TPressedKeys
{
public:
    void Pressed(const QKeyEvent& event);
    // Whether the released key went down here; the key is up again either way.
    bool Released(const QKeyEvent& event);

private:
    // The scan code where the platform gives one, so that a modifier pressed between press and
    // release cannot make them two keys; else the key.
    using TKeyId = std::pair<quint32, int>;
    static TKeyId IdOf(const QKeyEvent& event);
    std::set<TKeyId> down;
};

} // namespace platform
