#pragma once

#include <exception>
#include <utility>

namespace platform {

void ReportException(const std::exception& e);

// Runs one event handler. An error that escapes it is shown in the general error report and
// the handler is abandoned; the program goes on with the next event. Every handler connected
// to a control goes through here, so no exception ever unwinds through the toolkit.
template <typename Handler> void Guard(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        ReportException(e);
    }
}

} // namespace platform
