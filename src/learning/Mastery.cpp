#include "Mastery.h"

#include "ExamPlan.h"

#include <algorithm>

QDate AnswerDay(const TAnswerRow& row)
{
    // "YYYY-MM-DD HH:MM:SS", read by place: a start replays the whole record.
    const QStringView at(row.answeredAt);
    if (at.size() < 10 || at[4] != QLatin1Char('-') || at[7] != QLatin1Char('-'))
        return QDate();
    return QDate(at.mid(0, 4).toInt(), at.mid(5, 2).toInt(), at.mid(8, 2).toInt());
}

std::map<int, TMastery> DeriveMastery(const std::vector<TAnswerRow>& log)
{
    std::map<int, TMastery> all;
    for (const TAnswerRow& row : log)
        ApplyAnswer(all[row.qid], AnswerDay(row), row.correct);
    return all;
}

void ApplyAnswer(TMastery& m, QDate day, bool correct)
{
    m.lastAnswer = day;
    if (!correct) {
        m.box = 0;
        return;
    }
    if (m.lastMoveUp == day)
        return;
    m.box = std::min(m.box + 1, TopBox);
    m.lastMoveUp = day;
}

TMasteryState StateOf(const TMastery* m)
{
    if (!m)
        return TMasteryState::Unpractised;
    return m->box >= 3 ? TMasteryState::Mastered : TMasteryState::Learning;
}

std::optional<int> IntervalCap(QDate today, QDate examDate)
{
    const std::optional<int> days = learning::DaysToExam(today, examDate);
    if (!days)
        return std::nullopt;
    return std::max(1, *days / 4);
}

QDate DueDate(const TMastery& m, std::optional<int> intervalCap)
{
    if (m.box == 0)
        return m.lastAnswer;
    const qint64 interval = qint64(1) << (m.box - 1);
    return m.lastAnswer.addDays(intervalCap ? std::min<qint64>(interval, *intervalCap) : interval);
}

bool IsDue(const TMastery& m, QDate today, std::optional<int> intervalCap)
{
    return DueDate(m, intervalCap) <= today;
}

std::vector<int> DueQuestions(const std::map<int, TMastery>& all, QDate today, int cap,
                              std::optional<int> intervalCap)
{
    std::vector<std::pair<QDate, int>> due;
    for (const auto& [qid, m] : all)
        if (IsDue(m, today, intervalCap))
            due.emplace_back(DueDate(m, intervalCap), qid);
    const size_t keep = std::min(due.size(), static_cast<size_t>(std::max(cap, 0)));
    std::partial_sort(due.begin(), due.begin() + keep, due.end());
    std::vector<int> ids;
    ids.reserve(keep);
    for (size_t i = 0; i < keep; ++i)
        ids.push_back(due[i].second);
    return ids;
}

int CountDue(const std::map<int, TMastery>& all, QDate today, std::optional<int> intervalCap)
{
    return static_cast<int>(std::count_if(all.begin(), all.end(), [&](const auto& entry) {
        return IsDue(entry.second, today, intervalCap);
    }));
}
