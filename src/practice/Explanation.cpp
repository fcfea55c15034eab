#include "Explanation.h"

#include "QuestionText.h"

#include <QStringList>

namespace {

// An explanation of blanks only is none.
bool HasExplanation(const QString& explain)
{
    return !explain.trimmed().isEmpty();
}

// Each letter of a choice answer followed by its option's text, "D（机动车驾驶证）", letter by
// letter for an answer of several; 对 and 错 as they are.
QString AnswerText(const db::TQuestionTexts& texts, const QString& answer)
{
    QString text;
    for (const QChar letter : answer) {
        text += letter;
        if (const QString option = db::OptionText(texts, letter); !option.isEmpty())
            text += QStringLiteral("（%1）").arg(option);
    }
    return text;
}

} // namespace

QString TExplanationView::PlainText() const
{
    QStringList text;
    for (const TLine& line : lines)
        text << line.caption + line.text;
    return text.join(QLatin1Char('\n'));
}

void TExplanation::Answered(int number, const myRecord& question, const QString& given, bool judged)
{
    if (!judged || given == question.result) {
        feedback.reset();
        return;
    }
    const db::TQuestionTexts texts = db::SplitQuestion(question.question);
    feedback = TFeedback{number, AnswerText(texts, given), AnswerText(texts, question.result),
                         texts.title.simplified(), question.explain};
}

void TExplanation::Clear()
{
    feedback.reset();
}

TExplanationView TExplanation::View(const myRecord* shown, bool answerVisible, bool judged) const
{
    TExplanationView view;
    if (!judged)
        return view;
    if (shown && answerVisible && HasExplanation(shown->explain)) {
        view.lines.push_back({QStringLiteral("试题解析："), shown->explain});
    } else if (feedback) {
        view.dismissible = true;
        view.lines.push_back(
            {QStringLiteral("第%1题答错了　").arg(feedback->number),
             QStringLiteral("你的答案：%1　正确答案：%2").arg(feedback->given, feedback->result)});
        if (!feedback->stem.isEmpty())
            view.lines.push_back({QString(), feedback->stem});
        if (HasExplanation(feedback->explain))
            view.lines.push_back({QStringLiteral("解析："), feedback->explain});
    }
    return view;
}
