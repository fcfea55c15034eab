#pragma once

#include <QByteArray>
#include <QString>

namespace bank {

inline const QString QuestionsFile = QStringLiteral("Test.db");
inline const QString PicturesFile = QStringLiteral("Image.db");
inline const QString SourceCsvFile = QStringLiteral("questions.csv");
inline const QString SourcePicturesDir = QStringLiteral("pictures");

// The trainer gives the text "tqwpzn" with a length of 4, so only these bytes are the key.
inline const QByteArray QuestionsKey = QByteArrayLiteral("tqwpzn").left(4);

} // namespace bank
