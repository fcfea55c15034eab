#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through here: notices ("提示", information, OK),
// confirmations ("确认", OK and Cancel, only OK proceeds) and the general error report. Tests
// install a responder instead of real boxes: it sees what would have been shown, may act while
// the box would be open, and gives the answer.
namespace platform::Notices {

enum class Kind
{
    Notice,
    Confirmation,
    Error
};

struct TShown
{
    Kind kind;
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QWidget* owner;
};

// Returns true for OK.
using TResponder = std::function<bool(const TShown&)>;

void SetApplicationTitle(const QString& title);

// With a responder set, no real box is ever opened. Pass an empty function to go back.
void SetResponder(TResponder responder);

// The owner is the window the box belongs to; when absent, the active window.
void Inform(const QString& text, QWidget* owner = nullptr);
bool Confirm(const QString& text, QMessageBox::Icon icon = QMessageBox::Information,
             QWidget* owner = nullptr);
// The general error report: the application title as caption, a full stop added where the
// message ends in a character above it, the error icon and OK.
void ReportError(const QString& message);
QString ErrorReportText(const QString& message);

} // namespace platform::Notices
