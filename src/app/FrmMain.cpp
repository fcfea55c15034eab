#include "FrmMain.h"

#include "AnswerSheet.h"
#include "Backup.h"
#include "Db.h"
#include "Desktop.h"
#include "FrmAbout.h"
#include "Guard.h"
#include "Keys.h"
#include "MainLayout.h"
#include "Notices.h"
#include "Pump.h"
#include "ReportEntry.h"
#include "SpeakEntry.h"
#include "Subject.h"
#include "SubjectEntry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <utility>

TFrmMain::TFrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      c(BuildMainLayout(*this)), practice(c), starts(c, practice), selection(c, starts),
      exam(c, practice), errorBook(c, practice, starts, [this] { exam.SubmitOnRequest(); }),
      keySettings(c, practice), review(c, practice, starts),
      reader(practice, speechEngine, audioPlayer)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("砺行驾考－驾驶员考试个人单机版"));
    setFont(platform::DesignFont(QStringLiteral("宋体"), 12));
    setFixedSize(896, 568);
    QIcon icon(QStringLiteral(":/app/icon.png"));
    setWindowIcon(icon);

    connect(c.Timer1, &QTimer::timeout, this,
            [this] { platform::Guard([this] { Timer1Timer(); }); });
    connect(c.BtnAbout, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnAboutClick(); }); });
    AddSubjectEntry(*this, practice, starts, [this] {
        // The other subject's bank may not have been opened yet today.
        BackUpToday();
        review.ReloadRecord();
    });
    AddReportEntry(*this, practice, review);
    BuildSpeakEntry(*this, reader);
    c.Prb->installEventFilter(this);
    // Key preview: every key release in this window, whichever control has the focus.
    qApp->installEventFilter(this);
    c.Grd->setFocus();
}

TFrmMain::~TFrmMain()
{
    qApp->removeEventFilter(this);
    FormDestroy();
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool inThisWindow =
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
    if (event->type() == QEvent::KeyPress && inThisWindow)
        pressedKeys.Pressed(*static_cast<QKeyEvent*>(event));
    // A key released in another window is up; its press, if it was here, has had its chance.
    if (event->type() == QEvent::KeyRelease && !inThisWindow)
        pressedKeys.Released(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease && event != redelivered && inThisWindow) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QPointer<QObject> target = watched;
        // Holding a key acts once, on its release; a key whose press went to a box that closed
        // on it (the Enter that dismissed a notice) does nothing here, where it would submit.
        if (!platform::IsRepeatedRelease(*key) && pressedKeys.Released(*key))
            platform::Guard([&] {
                const quint16 code = platform::VirtualKey(*key);
                practice.FormKeyUp(code);
                reader.KeyUp(code);
            });
        // A release that its control ignores climbs to each parent, and this filter would see
        // it again at every step: hand it on through the whole chain here, past this filter.
        if (target) {
            QEvent* outer = std::exchange(redelivered, event);
            QCoreApplication::sendEvent(target, event);
            redelivered = outer;
        }
        event->accept();
        return true;
    }
    if (watched == c.Prb && event->type() == QEvent::MouseButtonPress) {
        const int x = static_cast<int>(static_cast<QMouseEvent*>(event)->position().x());
        platform::Guard([&] { practice.PrbMouseDown(x); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown)
        return;
    shown = true;
    platform::CentreOnScreen(*this);
    platform::Guard([this] { FormShow(); });
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    // Whatever nested wait or box is running ends and starts nothing new; the window itself
    // lives until the outermost loop has returned.
    platform::RequestQuit();
    reader.Stop();
    QWidget::closeEvent(event);
}

void TFrmMain::FormShow()
{
    c.BtnOrder->click();
    // A bank that could not be read has just been reported by the start; its record waits
    // for the first answer or review, and it is not worth a backup.
    if (practice.QuestionCount > 0) {
        BackUpToday();
        review.LoadRecord();
    }
    if (!platform::FontInstalled(QStringLiteral("wst_span"))) {
        QFont fallback = QApplication::font();
        fallback.setBold(false);
        fallback.setPointSize(14);
        c.LblTime->setFont(fallback);
    }
}

void TFrmMain::BackUpToday()
{
    try {
        db::BackUpBank(db::BankFileName(db::CurrentSubject()), practice.Clock().date());
    } catch (const ESQLiteException& e) {
        platform::Notices::Inform(
            QStringLiteral("今天的题库备份没有完成，练习照常进行，做题记录照常保存。\n%1")
                .arg(e.Message()),
            this);
    }
}

void TFrmMain::FormDestroy()
{
    practice.ReleasePictures();
}

void TFrmMain::Timer1Timer()
{
    c.LblTime->setText(
        QTime(0, 0).addSecs(practice.ElapsedSeconds).toString(QStringLiteral("hh:mm:ss")));
    if (!exam.TimeLimitTick())
        ++practice.ElapsedSeconds;
}

void TFrmMain::BtnAboutClick()
{
    TFrmAbout about(this);
    about.exec();
}
