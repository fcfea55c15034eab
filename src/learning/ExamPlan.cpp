#include "ExamPlan.h"

#include <algorithm>

namespace learning {

std::optional<int> DaysToExam(QDate today, QDate examDate)
{
    if (!examDate.isValid() || examDate < today)
        return std::nullopt;
    return int(today.daysTo(examDate));
}

QString PlanLine(QDate today, QDate examDate, int due, int unpractised)
{
    const std::optional<int> days = DaysToExam(today, examDate);
    if (!days)
        return QString();
    if (*days == 0)
        return QStringLiteral("今天考试，祝你顺利！");
    const int spread = std::max(1, *days - 2);
    return QStringLiteral("距考试还有%1天：今天巩固%2题，新学%3题")
        .arg(*days)
        .arg(due)
        .arg((unpractised + spread - 1) / spread);
}

} // namespace learning
