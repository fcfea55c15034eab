#pragma once

#include "FrmExam.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

// Plays the learner in front of every result dialog that opens while it lives: each new modal
// dialog gets the next queued action, which closes it (or not) from inside its modal loop. A
// dialog nobody expected is closed by its close box and counted, so a test never hangs on it.
class TExamDialogs
{
public:
    using TAction = std::function<void(TFrmExam&)>;

    TExamDialogs()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start();
    }

    void Then(TAction action) { actions.push_back(std::move(action)); }
    // Queues a click on the named button of the dialog.
    void ThenClick(const char* button)
    {
        Then([button](TFrmExam& d) {
            d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }
    void ThenCloseBox()
    {
        Then([](TFrmExam& d) { d.close(); });
    }

    int opened = 0;
    int unexpected = 0;

private:
    void Poll()
    {
        auto* dialog = qobject_cast<TFrmExam*>(QApplication::activeModalWidget());
        if (!dialog || dialog == last)
            return;
        last = dialog;
        ++opened;
        if (actions.empty()) {
            ++unexpected;
            dialog->close();
            return;
        }
        TAction action = std::move(actions.front());
        actions.pop_front();
        action(*dialog);
    }

    QTimer timer;
    std::deque<TAction> actions;
    QPointer<TFrmExam> last;
};
