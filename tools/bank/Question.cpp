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

} // namespace

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
