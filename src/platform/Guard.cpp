#include "Guard.h"

#include "Notices.h"

namespace platform {

void ReportException(const std::exception& e)
{
    Notices::ReportError(QString::fromUtf8(e.what()));
}

} // namespace platform
