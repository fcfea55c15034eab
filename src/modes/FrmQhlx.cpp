#include "FrmQhlx.h"

#include <QLabel>

namespace {

// Each bank is a run of 100 qhlx values, the lower bound excluded; qhlx is also its sequence.
const TOptionTable IntensiveBanks{
    QStringLiteral("《强化练习》"),
    QStringLiteral("order by qhlx"),
    {
        {QStringLiteral("强化练习一"), QStringLiteral("where qhlx>0 and qhlx<=100")},
        {QStringLiteral("强化练习二"), QStringLiteral("where qhlx>100 and qhlx<=200")},
        {QStringLiteral("强化练习三"), QStringLiteral("where qhlx>200 and qhlx<=300")},
        {QStringLiteral("强化练习四"), QStringLiteral("where qhlx>300 and qhlx<=400")},
    },
    0,
};

} // namespace

TFrmQhlx::TFrmQhlx(TPracticeStart& starts, QWidget* owner)
    : TOptionDialog(starts, owner, "FrmQhlx", QStringLiteral("强化练习"), {361, 231},
                    IntensiveBanks)
{
    auto* note = new QLabel(
        QStringLiteral("注：强化练习中的试题都是广大学员练习中最容易答错的试题。"), this);
    note->setObjectName(QStringLiteral("lbl1"));
    note->setGeometry(17, 15, 336, 12);
    AddOptions(QStringLiteral("选择题库"), {16, 47, 329, 106});
    AddStartButtons({48, 174, 90, 30}, {216, 174, 90, 30});
}
