#pragma once

#include "Notices.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

namespace fixture {

// Stands in for every message box while it lives: nothing modal is ever shown. Notices and
// error reports are answered OK; each confirmation takes the next queued answer (Cancel when
// none is queued, and it is remembered as unexpected). A hook runs while a box "is open", so a
// test can let time pass or click elsewhere in that moment.
class TNotices
{
public:
    TNotices();
    ~TNotices();
    TNotices(const TNotices&) = delete;
    TNotices& operator=(const TNotices&) = delete;

    void Answer(bool ok) { answers.push_back(ok); }
    void WhileOpen(std::function<void(const platform::Notices::TShown&)> hook)
    {
        whileOpen = std::move(hook);
    }

    QList<platform::Notices::TShown> shown;
    int unexpectedConfirmations = 0;

    QStringList Texts() const;
    void Clear() { shown.clear(); }

private:
    std::deque<bool> answers;
    std::function<void(const platform::Notices::TShown&)> whileOpen;
};

} // namespace fixture
