#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Today's plan towards the exam date. Given dates, never the clock.
namespace learning {

// Days from today to the exam; nothing without a date or with one past.
std::optional<int> DaysToExam(QDate today, QDate examDate);
// "距考试还有%d天：今天巩固%d题，新学%d题", "今天考试，祝你顺利！" on the day, empty without a date
// ahead. 新学 spreads the questions never answered over the days up to two days before the exam, so
// that every one of them is seen again before it.
QString PlanLine(QDate today, QDate examDate, int due, int unpractised);

} // namespace learning
