#include "Reading.h"

#include "Practice.h"

#include <QRegularExpression>

QStringList ReadingOf(const myRecord& question, bool withAnswer)
{
    QStringList parts;
    QString text = question.question;
    // The text starts with its number on the answer sheet, "12."; said as a number, not as a
    // decimal fraction running into the stem.
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+)\\."));
    if (const QRegularExpressionMatch m = number.match(text); m.hasMatch()) {
        parts << QStringLiteral("第%1题").arg(m.captured(1));
        text.remove(0, m.capturedEnd());
    }
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    for (const QString& line : text.split(lineBreak)) {
        if (const QString said = line.trimmed(); !said.isEmpty())
            parts << said;
    }
    if (question.style != 0)
        parts << QStringLiteral("对，还是错？");
    if (withAnswer)
        parts << QStringLiteral("正确答案：") + question.result;
    return parts;
}

bool AnswerMayBeRead(const TPractice& practice)
{
    return practice.AnswerShown && practice.AnswersJudged();
}
