#include "Subject.h"

namespace db {
namespace {

// 科目一 keeps the names it always had; 科目四 adds its number to them.
QString Numbered(const char* stem, TSubject subject)
{
    const QString number =
        subject == TSubject::One ? QString() : QString::number(static_cast<int>(subject));
    return QLatin1String(stem) + number + QLatin1String(".db");
}

} // namespace

QString BankFileName(TSubject subject)
{
    return Numbered("Test", subject);
}

QString PictureFileName(TSubject subject)
{
    return Numbered("Image", subject);
}

} // namespace db
