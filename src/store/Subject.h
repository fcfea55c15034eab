#pragma once

#include <QString>

// The two written tests a learner sits. Each has a bank of its own beside the other, with the
// same key and the same tables; only the file names tell them apart.
namespace db {

enum class TSubject
{
    One = 1,
    Four = 4,
};

// "Test.db" / "Test4.db", in the working directory.
QString BankFileName(TSubject subject);
// "Image.db" / "Image4.db", found as the picture pack is found.
QString PictureFileName(TSubject subject);

// How the subject's mock exam is sat: so many questions, submitted when the clock reaches the
// time limit, so many points for each right answer.
struct TExamRules
{
    int questionCount;
    int timeLimit;
    int pointsEach;
};
TExamRules ExamRules(TSubject subject);

} // namespace db
