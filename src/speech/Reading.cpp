#include "Reading.h"

#include "Practice.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Each line of the text that says something, as a part of its own.
void AddLines(QStringList& parts, const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    for (const QString& line : text.split(lineBreak)) {
        if (const QString said = line.trimmed(); !said.isEmpty())
            parts << said;
    }
}

// Where the four options of a choice question begin: the bank puts a blank line before each, and
// the stem may hold blank lines of its own.
qsizetype OptionsStart(const QString& text)
{
    qsizetype at = text.size();
    for (int i = 0; i < 4 && at > 0; ++i)
        at = text.lastIndexOf(QLatin1String("\r\n\r\n"), at - 1);
    return std::max<qsizetype>(at, 0);
}

} // namespace

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
    if (question.multiple) {
        // The learner hears that more than one option may be right before hearing them.
        const qsizetype options = OptionsStart(text);
        AddLines(parts, text.left(options));
        parts << QStringLiteral("多选题");
        AddLines(parts, text.mid(options));
    } else {
        AddLines(parts, text);
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
