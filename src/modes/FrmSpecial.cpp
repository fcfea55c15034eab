#include "FrmSpecial.h"

#include "Db.h"

namespace {

// Penalty, time, distance and speed questions carry their type's index in the column item.
QString ByItem(int index)
{
    return QStringLiteral("where item=%1").arg(index);
}

// Traffic signs and police gestures are told apart by fixed id ranges, both bounds included.
const TOptionTable QuestionTypes{
    QStringLiteral("《专项练习》"),
    QStringLiteral("order by id"),
    {
        {QStringLiteral("选择题"), QStringLiteral("where length(trim(a))>0")},
        {QStringLiteral("判断题"), QStringLiteral("where length(trim(a))=0")},
        {QStringLiteral("图片题"), QStringLiteral("where length(trim(imgname))>0")},
        {QStringLiteral("易错题"), QStringLiteral("where difficult=1")},
        {QStringLiteral("交通标志题"), QStringLiteral("where id>=380 and id<=573")},
        {QStringLiteral("处罚题"), ByItem(5)},
        {QStringLiteral("时间题"), ByItem(6)},
        {QStringLiteral("距离题"), ByItem(7)},
        {QStringLiteral("速度题"), ByItem(8)},
        {QStringLiteral("交警手势题"), QStringLiteral("where id>=574 and id<=589")},
    },
    3,
};

const QString MultipleChoiceWhere = QStringLiteral("where length(trim(a))>0 and length(result)>1");

// 科目四 tells single from multiple choice, offering 多选题 where its bank has such questions;
// its other types are those of 科目一.
TOptionTable SubjectFourTypes(bool withMultipleChoice)
{
    TOptionTable table = QuestionTypes;
    table.options[0].where = QStringLiteral("where length(trim(a))>0 and length(result)=1");
    if (withMultipleChoice)
        table.options.insert(table.options.begin() + 2,
                             {QStringLiteral("多选题"), MultipleChoiceWhere});
    return table;
}

const TOptionTable& TypesOnScreen()
{
    if (db::CurrentSubject() == db::TSubject::One)
        return QuestionTypes;
    static const TOptionTable withMultipleChoice = SubjectFourTypes(true);
    static const TOptionTable withoutMultipleChoice = SubjectFourTypes(false);
    return db::CountQuestions(MultipleChoiceWhere) > 0 ? withMultipleChoice : withoutMultipleChoice;
}

} // namespace

TFrmSpecial::TFrmSpecial(TPracticeStart& starts, QWidget* owner)
    : TOptionDialog(starts, owner, "FrmSpecial", QStringLiteral("专项练习"), {343, 220},
                    TypesOnScreen())
{
    AddOptions(QStringLiteral("选择专项练习的题型"), {16, 8, 310, 145});
    AddStartButtons({48, 174, 90, 30}, {200, 174, 90, 30});
}
