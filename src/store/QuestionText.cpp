#include "QuestionText.h"

#include <QRegularExpression>
#include <QStringBuilder>

namespace db {
namespace {

const QLatin1String Gap("\r\n\r\n");

} // namespace

QString ComposeQuestion(int position, const TQuestionTexts& t)
{
    return QString::number(position) % QLatin1Char('.') % t.title % Gap % t.options[0] % Gap %
           t.options[1] % Gap % t.options[2] % Gap % t.options[3];
}

TQuestionTexts SplitQuestion(const QString& composed)
{
    TQuestionTexts texts;
    QString rest = composed;
    for (int k = 3; k >= 0; --k) {
        const qsizetype gap = rest.lastIndexOf(Gap);
        if (gap < 0)
            break;
        texts.options[static_cast<size_t>(k)] = rest.mid(gap + Gap.size());
        rest.truncate(gap);
    }
    static const QRegularExpression position(QStringLiteral("^\\d+\\."));
    texts.title = rest.remove(position);
    return texts;
}

QString OptionText(const TQuestionTexts& texts, QChar letter)
{
    const int k = letter.unicode() - u'A';
    if (k < 0 || k >= static_cast<int>(texts.options.size()))
        return {};
    QString option = texts.options[static_cast<size_t>(k)].trimmed();
    static const QRegularExpression ownLetter(QStringLiteral("^[A-D]\\s*[、.．:：]\\s*"));
    if (const QRegularExpressionMatch m = ownLetter.match(option);
        m.hasMatch() && option.front() == letter)
        option.remove(0, m.capturedLength());
    return option;
}

} // namespace db
