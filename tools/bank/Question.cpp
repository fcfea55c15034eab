#include "Question.h"

namespace bank {

const QString ExplainColumn = QStringLiteral("explain");

namespace {

struct TColumn
{
    QString name;
    QString TQuestion::*text = nullptr;
    int TQuestion::*number = nullptr;
};

const std::vector<TColumn>& Columns()
{
    static const std::vector<TColumn> columns = {
        {QStringLiteral("id"), nullptr, &TQuestion::id},
        {QStringLiteral("title"), &TQuestion::title, nullptr},
        {QStringLiteral("a"), &TQuestion::a, nullptr},
        {QStringLiteral("b"), &TQuestion::b, nullptr},
        {QStringLiteral("c"), &TQuestion::c, nullptr},
        {QStringLiteral("d"), &TQuestion::d, nullptr},
        {QStringLiteral("imgname"), &TQuestion::imgname, nullptr},
        {QStringLiteral("result"), &TQuestion::result, nullptr},
        {QStringLiteral("chapter"), nullptr, &TQuestion::chapter},
        {QStringLiteral("item"), nullptr, &TQuestion::item},
        {QStringLiteral("difficult"), nullptr, &TQuestion::difficult},
        {QStringLiteral("qhlx"), nullptr, &TQuestion::qhlx},
        {QStringLiteral("iserror"), nullptr, &TQuestion::iserror},
        {ExplainColumn, &TQuestion::explain, nullptr},
    };
    return columns;
}

const TColumn& Find(const QString& name)
{
    for (const TColumn& c : Columns())
        if (c.name == name)
            return c;
    throw std::out_of_range("no examdata column " + name.toStdString());
}

const QStringList ChoiceLetters{"A", "B", "C", "D"};

QString NotOneOf(const QString& result, const QStringList& answers, const char* kind)
{
    return QStringLiteral("\"%1\" is not one of %2 for a %3 question")
        .arg(result, answers.join(QStringLiteral(", ")), QLatin1String(kind));
}

// One letter, or two to four different letters in alphabetical order.
bool IsLetterAnswer(const QString& result)
{
    if (result.isEmpty() || result.size() > ChoiceLetters.size())
        return false;
    for (qsizetype i = 0; i < result.size(); ++i)
        if (result[i] < u'A' || result[i] > u'D' || (i > 0 && result[i] <= result[i - 1]))
            return false;
    return true;
}

QString ChoiceFaultOfSubjectFour(const TQuestion& q)
{
    if (!IsLetterAnswer(q.result))
        return QStringLiteral("\"%1\" is neither one of A, B, C, D nor two to four different "
                              "letters of them in alphabetical order")
            .arg(q.result);
    const QString options[] = {q.a, q.b, q.c, q.d};
    for (const QChar letter : q.result)
        if (options[letter.unicode() - u'A'].trimmed().isEmpty())
            return QStringLiteral("\"%1\" names the option %2, which is empty")
                .arg(q.result, letter);
    return QString();
}

} // namespace

QString ResultFault(const TQuestion& q, TSubject subject)
{
    if (q.a.isEmpty()) {
        const QStringList answers{"对", "错"};
        return answers.contains(q.result) ? QString() : NotOneOf(q.result, answers, "true/false");
    }
    if (subject == TSubject::Four)
        return ChoiceFaultOfSubjectFour(q);
    return ChoiceLetters.contains(q.result) ? QString()
                                            : NotOneOf(q.result, ChoiceLetters, "choice");
}

const QStringList& QuestionColumns()
{
    static const QStringList names = [] {
        QStringList list;
        for (const TColumn& c : Columns())
            list << c.name;
        return list;
    }();
    return names;
}

QString ColumnText(const TQuestion& q, const QString& column)
{
    const TColumn& c = Find(column);
    return c.text ? q.*c.text : QString::number(q.*c.number);
}

bool IsIntegerColumn(const QString& column)
{
    return Find(column).number != nullptr;
}

int ColumnNumber(const TQuestion& q, const QString& column)
{
    return q.*Find(column).number;
}

void SetColumn(TQuestion& q, const QString& column, const QString& text, int number)
{
    const TColumn& c = Find(column);
    if (c.text)
        q.*c.text = text;
    else
        q.*c.number = number;
}

} // namespace bank
