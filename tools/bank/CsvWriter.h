#pragma once

#include <QByteArray>
#include <QStringList>

namespace bank {

// One RFC 4180 record in UTF-8: every field quoted, quotes doubled, ended by CR LF.
QByteArray CsvRecord(const QStringList& fields);

} // namespace bank
