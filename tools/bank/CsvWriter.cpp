#include "CsvWriter.h"

#include <csv.h>

namespace bank {

QByteArray CsvRecord(const QStringList& fields)
{
    QByteArray record;
    for (const QString& field : fields) {
        if (!record.isEmpty())
            record += ',';
        const QByteArray text = field.toUtf8();
        QByteArray quoted(text.size() * 2 + 2, Qt::Uninitialized);
        const size_t length = csv_write(quoted.data(), static_cast<size_t>(quoted.size()),
                                        text.constData(), static_cast<size_t>(text.size()));
        quoted.truncate(static_cast<qsizetype>(length));
        record += quoted;
    }
    return record + "\r\n";
}

} // namespace bank
