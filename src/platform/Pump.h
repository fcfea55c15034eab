#pragma once

#include <QtGlobal>

namespace platform {

// Milliseconds since an arbitrary start, wrapping like a 32-bit system tick count.
quint32 GetTickCount();
// Lets the application handle every pending event once.
void ProcessMessages();
// Set once the learner has closed the main window: waits stop waiting, and handlers that
// are still unwinding start nothing new that would outlive the window.
bool Quitting();
void RequestQuit();

} // namespace platform
