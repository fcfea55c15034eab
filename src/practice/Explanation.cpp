#include "Explanation.h"

#include <QStringList>

namespace {

// An explanation of blanks only is none.
bool HasExplanation(const QString& explain)
{
    return !explain.trimmed().isEmpty();
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
    if (judged && given != question.result)
        feedback = TFeedback{number, question.result, question.explain};
    else
        feedback.reset();
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
        view.lines.push_back({QStringLiteral("第%1题答错了　").arg(feedback->number),
                              QStringLiteral("正确答案：") + feedback->result});
        if (HasExplanation(feedback->explain))
            view.lines.push_back({QStringLiteral("解析："), feedback->explain});
    }
    return view;
}
