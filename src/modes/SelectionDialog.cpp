#include "SelectionDialog.h"

#include "Desktop.h"
#include "Guard.h"

#include <QPushButton>

TSelectionDialog::TSelectionDialog(TPracticeStart& starts, QWidget* owner, const char* name,
                                   const QString& caption, QSize client)
    : QDialog(owner, platform::DialogFrame), starts(starts)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFont(platform::DesignFont(QStringLiteral("宋体"), 12));
    setFixedSize(client);
    platform::CentreOnScreen(*this);
}

void TSelectionDialog::AddStartButtons(QRect order, QRect random)
{
    BtnOrder =
        StartButton("BtnOrder", QStringLiteral("顺序练习"), QStringLiteral(":/modes/order.png"),
                    order, &TSelectionDialog::BtnOrderClick);
    BtnRandom =
        StartButton("BtnRandom", QStringLiteral("随机练习"), QStringLiteral(":/modes/random.png"),
                    random, &TSelectionDialog::BtnRandomClick);
}

QPushButton* TSelectionDialog::StartButton(const char* name, const QString& caption,
                                           const QString& glyph, QRect place,
                                           void (TSelectionDialog::*handler)())
{
    auto* b = new QPushButton(QIcon(glyph), caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setIconSize({24, 24});
    b->setAutoDefault(false);
    // The start runs while the dialog is still on screen, so its message box belongs to the
    // dialog; the dialog closes afterwards even when the start failed or found nothing.
    connect(b, &QPushButton::clicked, this, [this, handler] {
        platform::Guard([&] { (this->*handler)(); });
        done(StartResult);
    });
    return b;
}
