#include "SpeakEntry.h"

#include "Guard.h"
#include "Reader.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

QToolButton* BuildSpeakEntry(QWidget& window, TReader& reader)
{
    auto* entry = new QToolButton(&window);
    entry->setObjectName(QStringLiteral("BtnSpeak"));
    entry->setGeometry(772, 59, 116, 25);
    entry->setText(QStringLiteral("朗读"));
    // The keys of the practice go on working: the focus stays on the answer sheet.
    entry->setFocusPolicy(Qt::NoFocus);
    entry->setPopupMode(QToolButton::MenuButtonPopup);
    entry->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto* menu = new QMenu(entry);
    menu->setObjectName(QStringLiteral("pmSpeak"));
    QAction* now = menu->addAction(QStringLiteral("朗读本题"));
    now->setObjectName(QStringLiteral("mniSpeakNow"));
    QAction* automatic = menu->addAction(QStringLiteral("自动朗读"));
    automatic->setObjectName(QStringLiteral("mniAutoRead"));
    automatic->setCheckable(true);
    entry->setMenu(menu);

    auto read = [&reader] { platform::Guard([&] { reader.ReadCurrent(); }); };
    QObject::connect(entry, &QToolButton::clicked, &reader, read);
    QObject::connect(now, &QAction::triggered, &reader, read);
    QObject::connect(automatic, &QAction::toggled, &reader,
                     [&reader](bool on) { platform::Guard([&] { reader.SetAutoRead(on); }); });

    auto follow = [entry, &reader] {
        entry->setEnabled(reader.Available());
        entry->setToolTip(reader.Available() ? QStringLiteral("朗读本题（小键盘 *）")
                                             : reader.Problem());
    };
    QObject::connect(&reader, &TReader::AvailabilityChanged, entry, follow);
    follow();
    return entry;
}
