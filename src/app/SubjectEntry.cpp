#include "SubjectEntry.h"

#include "Db.h"
#include "Guard.h"
#include "KeyBindings.h"
#include "Practice.h"
#include "PracticeStart.h"
#include "ProfileStrings.h"

#include <QActionGroup>
#include <QMenu>
#include <QPushButton>

namespace {

const QString Section = QStringLiteral("subject");
const QString Key = QStringLiteral("current");

QString Caption(db::TSubject subject)
{
    return subject == db::TSubject::Four ? QStringLiteral("科目四") : QStringLiteral("科目一");
}

// 科目四 only with its bank beside 科目一's; any other value of the key is 科目一.
db::TSubject KeptSubject()
{
    const platform::TProfileFile config(ConfigFilePath());
    const bool four = config.ReadInteger(Section, Key, 1) == 4;
    return four && db::BankExists(db::TSubject::Four) ? db::TSubject::Four : db::TSubject::One;
}

} // namespace

QPushButton* AddSubjectEntry(QWidget& window, TPractice& practice, TPracticeStart& starts,
                             std::function<void()> subjectChanged)
{
    db::SelectSubject(KeptSubject());
    auto* button = new QPushButton(Caption(db::CurrentSubject()), &window);
    button->setObjectName(QStringLiteral("BtnSubject"));
    // Beside the other entries, over the bottom corner of the explanation panel, whose close box
    // stays free at its top.
    button->setGeometry(692, 59, 76, 25);
    // The keys of the practice keep working while the learner uses the strip.
    button->setFocusPolicy(Qt::NoFocus);
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("pmSubject"));
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    for (const db::TSubject subject : {db::TSubject::One, db::TSubject::Four}) {
        QAction* item = menu->addAction(Caption(subject));
        item->setObjectName(subject == db::TSubject::Four ? QStringLiteral("mniSubject4")
                                                          : QStringLiteral("mniSubject1"));
        item->setCheckable(true);
        item->setChecked(subject == db::CurrentSubject());
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, button, [=, &practice, &starts] {
            platform::Guard([&] {
                if (subject == db::CurrentSubject() || !practice.MayAbandonPaper()) {
                    for (QAction* a : group->actions())
                        a->setChecked(a->text() == Caption(db::CurrentSubject()));
                    return;
                }
                db::SelectSubject(subject);
                platform::TProfileFile(ConfigFilePath())
                    .WriteInteger(Section, Key, static_cast<int>(subject));
                button->setText(Caption(subject));
                practice.ReleasePictures();
                starts.BtnOrderClick();
                subjectChanged();
            });
        });
    }
    // Looked at again whenever the menu opens: a bank may come or go while the trainer runs.
    const auto offerFour = [four = group->actions().last()] {
        const bool there = db::BankExists(db::TSubject::Four);
        four->setEnabled(there || db::CurrentSubject() == db::TSubject::Four);
        four->setToolTip(there
                             ? QString()
                             : QStringLiteral("没有找到科目四题库Test4.db：请把它放在Test.db旁边"));
    };
    offerFour();
    QObject::connect(menu, &QMenu::aboutToShow, menu, offerFour);
    button->setMenu(menu);
    return button;
}
