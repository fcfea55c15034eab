#include "ErrorBook.h"

#include "Db.h"
#include "Guard.h"
#include "Notices.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

TErrorBook::TErrorBook(const TMainControls& controls, TPractice& practice, TPracticeStart& starts,
                       std::function<void()> examRole, QObject* parent)
    : QObject(parent), c(controls), practice(practice), starts(starts),
      examRole(std::move(examRole))
{
    auto guarded = [this](void (TErrorBook::*handler)()) {
        return [this, handler] { platform::Guard([&] { (this->*handler)(); }); };
    };
    connect(c.BtnError, &QPushButton::clicked, this, guarded(&TErrorBook::BtnErrorClick));
    connect(c.BtnSetError, &QPushButton::clicked, this, guarded(&TErrorBook::BtnSetErrorClick));
    connect(c.mniN1, &QAction::triggered, this, guarded(&TErrorBook::mniN1Click));
    connect(c.mniN2, &QAction::triggered, this, guarded(&TErrorBook::mniN2Click));
    // A chosen menu item has already moved its own check mark; only the flag has to follow.
    connect(c.mniN3, &QAction::triggered, this, guarded(&TErrorBook::FollowAutoRemoveMark));
}

void TErrorBook::BtnErrorClick()
{
    starts.Start(
        {.where = QStringLiteral("where iserror=1"),
         .order = QStringLiteral("order by random()"),
         .title = [](int count) { return QStringLiteral("错题练习(共计%1题)").arg(count); },
         .emptyMessage = QStringLiteral("当前错题库没有记录，请继续进行正常练习！"),
         // The reset clears the mode; it is set again only after it.
         .afterReset =
             [this] {
                 practice.ErrorMode = true;
                 c.BtnSetError->setText(QStringLiteral("清空错题"));
             }});
}

void TErrorBook::BtnSetErrorClick()
{
    if (practice.ErrorMode) {
        // Not modal: the chosen item does the work, a dismissed menu does nothing.
        c.pmCleanError->popup(c.BtnSetError->mapToGlobal(QPoint(0, c.BtnSetError->height())));
    } else if (practice.ExamMode) {
        examRole();
    } else {
        SetMark(1, QStringLiteral("设置成功"), PauseMs);
    }
}

void TErrorBook::mniN1Click()
{
    SetMark(0, QStringLiteral("去除成功"), PauseMs + 100);
}

void TErrorBook::mniN2Click()
{
    if (!platform::Notices::Confirm(QStringLiteral("确定清空所有错题吗？"),
                                    QMessageBox::Information, c.Window))
        return;
    // A failed write raises here, so the learner is not moved to a practice as if the book
    // were empty.
    db::UpdateQuestions(QString(), QStringLiteral("set iserror=0"));
    c.BtnOrder->click();
}

void TErrorBook::mniN3Click()
{
    c.mniN3->setChecked(!c.mniN3->isChecked());
    FollowAutoRemoveMark();
}

void TErrorBook::FollowAutoRemoveMark()
{
    practice.AutoRemoveErrors = c.mniN3->isChecked();
}

void TErrorBook::SetMark(int iserror, const QString& confirmation, unsigned showMs)
{
    const myRecord* q = practice.Current();
    if (!q)
        return;
    // The confirmation is shown only for a write that took effect; a failure raises and is
    // reported instead.
    db::UpdateQuestions(QStringLiteral("where id=%1").arg(q->id),
                        QStringLiteral("set iserror=%1").arg(iserror));
    c.lblErrorSave->setText(confirmation);
    c.lblErrorSave->setVisible(true);
    WaitPumping(showMs);
    c.lblErrorSave->setVisible(false);
}
