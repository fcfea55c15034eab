#pragma once

#include <QKeyEvent>
#include <QtGlobal>

// Config.cfg stores keys as Windows virtual-key codes, so bindings written by earlier versions
// of the program keep their meaning. Only the key and the keypad flag of an event are looked
// at: the code names the key pressed, not the character it typed.
namespace platform {

// 0 for a key that has no virtual-key code.
quint16 VirtualKey(const QKeyEvent& event);

// A held key repeats its press and release; only its final release is meant to act.
bool IsRepeatedRelease(const QKeyEvent& event);

} // namespace platform
