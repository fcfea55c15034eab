#pragma once

#include "Subject.h"

#include <QByteArray>
#include <QString>

namespace bank {

using db::TSubject;

// The files of 科目一's bank, the subject a command serves unless told otherwise.
inline const QString QuestionsFile = db::BankFileName(TSubject::One);
inline const QString PicturesFile = db::PictureFileName(TSubject::One);
inline const QString SourceCsvFile = QStringLiteral("questions.csv");
inline const QString SourcePicturesDir = QStringLiteral("pictures");

// The trainer gives the text "tqwpzn" with a length of 4, so only these bytes are the key.
inline const QByteArray QuestionsKey = QByteArrayLiteral("tqwpzn").left(4);

} // namespace bank
