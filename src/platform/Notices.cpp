#include "Notices.h"

#include <QApplication>
#include <QPointer>

namespace platform::Notices {
namespace {

QString Title;
TResponder Responder;

QWidget* OwnerOrActive(QWidget* owner)
{
    if (owner)
        return owner;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

bool Show(Kind kind, const QString& caption, const QString& text, QMessageBox::Icon icon,
          QMessageBox::StandardButtons buttons, QWidget* owner)
{
    owner = OwnerOrActive(owner);
    if (Responder)
        return Responder(TShown{kind, caption, text, icon, owner});
    // The bank's messages separate their lines with a lone carriage return.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, caption, shown, buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

} // namespace

void SetApplicationTitle(const QString& title)
{
    Title = title;
}

void SetResponder(TResponder responder)
{
    Responder = std::move(responder);
}

void Inform(const QString& text, QWidget* owner)
{
    Show(Kind::Notice, QStringLiteral("提示"), text, QMessageBox::Information, QMessageBox::Ok,
         owner);
}

bool Confirm(const QString& text, QMessageBox::Icon icon, QWidget* owner)
{
    return Show(Kind::Confirmation, QStringLiteral("确认"), text, icon,
                QMessageBox::Ok | QMessageBox::Cancel, owner);
}

QString ErrorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void ReportError(const QString& message)
{
    Show(Kind::Error, Title, ErrorReportText(message), QMessageBox::Critical, QMessageBox::Ok,
         nullptr);
}

} // namespace platform::Notices
