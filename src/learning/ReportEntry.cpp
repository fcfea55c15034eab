#include "ReportEntry.h"

#include "AnswerLog.h"
#include "FrmReport.h"
#include "Guard.h"
#include "Notices.h"
#include "Practice.h"
#include "Review.h"

#include <QPushButton>

QPushButton* AddReportEntry(QWidget& window, const TPractice& practice, TReview& review)
{
    auto* button = new QPushButton(QStringLiteral("学习报告"), &window);
    button->setObjectName(QStringLiteral("BtnReport"));
    button->setGeometry(772, 32, 116, 25);
    // The keys of the practice keep working while the learner uses the strip.
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, &window, [&window, &practice, &review] {
        platform::Guard([&] {
            if (practice.PaperOpen()) {
                platform::Notices::Inform(
                    QStringLiteral("模拟考试进行中，交卷并查看答题情况后再看学习报告。"), &window);
                return;
            }
            // Only the strip's entry, not the report's button of the same name.
            const auto startReview = [&window] {
                if (auto* strip = window.findChild<QPushButton*>(QStringLiteral("BtnReview"),
                                                                 Qt::FindDirectChildrenOnly))
                    strip->click();
            };
            OpenStudyReport(&window, DeriveMastery(db::LoadAnswerLog()), startReview,
                            [&review](QDate date) { review.SetExamDate(date); });
        });
    });
    return button;
}
