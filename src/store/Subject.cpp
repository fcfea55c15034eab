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

TExamRules ExamRules(TSubject subject)
{
    if (subject == TSubject::Four)
        return {.questionCount = 50, .timeLimit = 1800, .pointsEach = 2};
    return {.questionCount = 100, .timeLimit = 2700, .pointsEach = 1};
}

} // namespace db
