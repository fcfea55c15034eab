#pragma once

#include "BankWriter.h"

#include <QByteArray>
#include <QColor>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// Banks built at test time, each in its own temporary folder.
namespace fixture {

// A temporary folder holding Test.db and Image.db built by bank::WriteBank. While it lives it
// is the current working directory and the executable folder, so the store, Config.cfg and
// Image.db are all found there; the store's connection is dropped on creation and on
// destruction so that it always opens this folder's bank.
class TBankFolder
{
public:
    // withBank false leaves the folder empty, for the cases without a bank.
    TBankFolder(std::vector<bank::TQuestion> questions, std::vector<bank::TPicture> pictures,
                bool withBank = true);
    ~TBankFolder();
    TBankFolder(const TBankFolder&) = delete;
    TBankFolder& operator=(const TBankFolder&) = delete;

    // Writes 科目四's bank and pack (Test4.db, Image4.db) into the folder beside 科目一's.
    void AddSubjectFour(const std::vector<bank::TQuestion>& questions,
                        const std::vector<bank::TPicture>& pictures = {});

    QString Path() const { return dir.path(); }
    QString FilePath(const QString& name) const { return dir.filePath(name); }
    const std::vector<bank::TQuestion>& Questions() const { return questions; }
    const std::vector<bank::TPicture>& Pictures() const { return pictures; }

private:
    QTemporaryDir dir;
    std::vector<bank::TQuestion> questions;
    std::vector<bank::TPicture> pictures;
};

// 1177 questions in chapters of 360, 229, 237, 100, 142, 60 and 49, with every kind of
// question and classification the trainer selects by (see the definition for the mix); times
// over, for a bank as large as a school's, each chapter holds that many times as many.
std::unique_ptr<TBankFolder> FullBank(int times = 1);
// 科目四's content: 520 questions in chapters of 100, 120, 80, 50, 70, 60 and 40, two in five
// true/false, two in five choice and one in five multiple choice (see the definition).
std::pair<std::vector<bank::TQuestion>, std::vector<bank::TPicture>> SubjectFourContent();
// The full bank of 科目一 with 科目四's content beside it.
std::unique_ptr<TBankFolder> BothSubjects();
// 科目四's content alone, no Test.db beside it.
std::unique_ptr<TBankFolder> SubjectFourOnly();
std::unique_ptr<TBankFolder> SmallBank(std::vector<bank::TQuestion> questions,
                                       std::vector<bank::TPicture> pictures = {});
// A working folder with no bank in it.
std::unique_ptr<TBankFolder> EmptyFolder();
// Rebuilds the folder's examdata without the explain column, as banks built before
// explanations have it; every other column and row stays.
void RemoveExplainColumn(const TBankFolder& folder);
// The open bank stays readable but refuses every update of its questions, so each error-book
// mark fails.
void RefuseMarks();

bank::TQuestion ChoiceQuestion(int id, int chapter, const QString& result = QStringLiteral("A"));
// Choice questions 1 to n of chapter 1, right answer A; the first `marked` are in the error book.
std::vector<bank::TQuestion> Choices(int n, int marked = 0);
// A choice question of 科目四 with options A to D whose answer is two to four letters.
bank::TQuestion MultipleChoiceQuestion(int id, int chapter,
                                       const QString& result = QStringLiteral("AC"));
bank::TQuestion TrueFalseQuestion(int id, int chapter,
                                  const QString& result = QStringLiteral("对"));
QByteArray PngPicture(int w = 40, int h = 30, QColor color = Qt::blue);

} // namespace fixture
