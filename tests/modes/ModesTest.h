#pragma once

#include "Practice.h"
#include "Question.h"

#include <QList>
#include <algorithm>
#include <functional>
#include <vector>

// What the selection and error-book suites both read off a practice and a fixture bank.
namespace modestest {

// The ids of the current practice, in practice order.
inline QList<int> Ids(const TPractice& practice)
{
    QList<int> ids;
    for (const myRecord& q : practice.Questions)
        ids << q.id;
    return ids;
}

// The ids of the fixture's questions that match, ascending.
inline QList<int> IdsWhere(const std::vector<bank::TQuestion>& questions,
                           const std::function<bool(const bank::TQuestion&)>& match)
{
    QList<int> ids;
    for (const bank::TQuestion& q : questions)
        if (match(q))
            ids << q.id;
    std::sort(ids.begin(), ids.end());
    return ids;
}

inline QList<int> Sorted(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace modestest
