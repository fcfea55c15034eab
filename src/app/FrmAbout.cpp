#include "FrmAbout.h"

#include "Desktop.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TFrmAbout::TFrmAbout(QWidget* owner) : QDialog(owner, platform::DialogFrame)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("关于"));
    setFont(platform::DesignFont(QStringLiteral("Tahoma"), 11));
    setFixedSize(456, 193);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(17, 8, 48, 46);
    image->setPixmap(QPixmap(QStringLiteral(":/app/icon.png")));

    Label2 = new QLabel(QStringLiteral("砺行驾考－驾驶员考试个人单机版"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(platform::DesignFont(QStringLiteral("宋体"), 14));
    Label2->move(82, 20);

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(366, 15, 75, 25);
    ok->setFocusPolicy(Qt::NoFocus);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(17, 178, 424, 2);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    FormCreate();
    platform::CentreOnScreen(*this);
}

void TFrmAbout::FormCreate()
{
    Label2->setText(Label2->text() + QStringLiteral("(Ver %1)").arg(QStringLiteral("1.5")));
    Label2->adjustSize();
}
