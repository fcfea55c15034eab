#pragma once

#include "BankFiles.h"

#include <QString>
#include <QStringList>

namespace bank {

// One row of examdata as the school writes it.
struct TQuestion
{
    int id = 0;
    QString title, a, b, c, d, imgname, result;
    int chapter = 0, item = 0, difficult = 0, qhlx = 0, iserror = 0;
    QString explain; // why the answer is right; empty for none

    bool operator==(const TQuestion&) const = default;
};

// The examdata columns in table order.
const QStringList& QuestionColumns();
// The column that banks built before explanations lack; a bank without it has none.
extern const QString ExplainColumn;
// The text of one column of a question, integers in decimal.
QString ColumnText(const TQuestion& q, const QString& column);
bool IsIntegerColumn(const QString& column);
// The value of an integer column.
int ColumnNumber(const TQuestion& q, const QString& column);
// Sets one column from its text; an integer column takes the already converted value.
void SetColumn(TQuestion& q, const QString& column, const QString& text, int number);

// Why the question's result cannot be its answer in a bank of the subject, as a sentence that
// names the result; empty when it can. The trainer compares an answer with result as text, so
// any other text would make the question impossible to answer right. 科目一 takes 对 or 错 for a
// true/false question and one letter for a choice question; 科目四 also takes two to four
// letters, in alphabetical order, for a multiple-choice question, and no letter of an empty
// option.
QString ResultFault(const TQuestion& q, TSubject subject);

} // namespace bank
