#include "ExplainPanel.h"

#include "Desktop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int CloseSize = 18;
constexpr int Margin = 3;

const QColor Background{255, 255, 235};
const QColor CaptionColor{0, 0, 128};
const QColor WrongColor{255, 0, 0};

QString Html(const QString& plain)
{
    QString html = plain.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    html.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return html;
}

// The captions in bold colour, the first one of feedback in the red of a wrong answer.
QString Rich(const TExplanationView& view)
{
    QString html = QStringLiteral("<div style=\"white-space:pre-wrap\">");
    for (size_t i = 0; i < view.lines.size(); ++i) {
        const TExplanationView::TLine& line = view.lines[i];
        const QColor colour = view.dismissible && i == 0 ? WrongColor : CaptionColor;
        if (i > 0)
            html += QStringLiteral("<br>");
        html += QStringLiteral("<b style=\"color:%1\">%2</b>%3")
                    .arg(colour.name(), Html(line.caption), Html(line.text));
    }
    return html + QStringLiteral("</div>");
}

} // namespace

TExplainPanel::TExplainPanel(QWidget* parent)
    : QFrame(parent), scroll(new QScrollArea(this)), text(new QLabel), close(new QToolButton(this))
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Background);
    p.setColor(QPalette::WindowText, QColor(64, 64, 64));
    setPalette(p);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("试题解析"));

    text->setObjectName(QStringLiteral("LblExplain"));
    text->setTextFormat(Qt::RichText);
    text->setTextInteractionFlags(Qt::NoTextInteraction);
    text->setWordWrap(true);
    // The scroll area sizes the text to its width only when the text says that its height
    // depends on it.
    QSizePolicy policy = text->sizePolicy();
    policy.setHeightForWidth(true);
    text->setSizePolicy(policy);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setFont(platform::DesignFont(QStringLiteral("宋体"), 14));
    text->setContentsMargins(Margin, Margin, Margin, Margin);

    scroll->setObjectName(QStringLiteral("ScrExplain"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(text);
    scroll->viewport()->setAutoFillBackground(false);
    text->setAutoFillBackground(false);

    close->setObjectName(QStringLiteral("BtnExplainClose"));
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("关闭"));
    close->setAccessibleName(QStringLiteral("关闭"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &TExplainPanel::Dismissed);

    for (QWidget* w : {static_cast<QWidget*>(scroll), scroll->viewport(),
                       static_cast<QWidget*>(scroll->verticalScrollBar()),
                       static_cast<QWidget*>(scroll->horizontalScrollBar()),
                       static_cast<QWidget*>(text), static_cast<QWidget*>(close)})
        w->setFocusPolicy(Qt::NoFocus);
    hide();
}

void TExplainPanel::Show(const TExplanationView& view)
{
    if (view == shown)
        return;
    shown = view;
    if (view.Empty()) {
        hide();
        return;
    }
    const QString plain = view.PlainText();
    text->setText(Rich(view));
    text->setAccessibleName(plain);
    setAccessibleDescription(plain);
    close->setVisible(view.dismissible);
    close->setGeometry(width() - CloseSize - 2 * Margin, Margin, CloseSize, CloseSize);
    const int right = view.dismissible ? CloseSize + 2 * Margin : 0;
    scroll->setGeometry(contentsRect().adjusted(0, 0, -right, 0));
    show();
    // A new text changes the height the area scrolls over, which the area learns only from
    // its own layout request.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(scroll, &request);
    scroll->verticalScrollBar()->setValue(0);
}
