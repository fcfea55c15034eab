#include "QuestionLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <cmath>

TQuestionLabel::TQuestionLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

qreal TQuestionLabel::LineHeight() const
{
    const int pixels = font().pixelSize();
    return pixels > 0 ? pixels : QFontMetricsF(font()).height();
}

void TQuestionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF area = contentsRect();
    const qreal lineHeight = LineHeight();
    // Chinese faces draw their characters on an em box whose bottom eighth lies below the
    // baseline; the design font's line is just that box.
    const qreal baseline = std::round(lineHeight * 7 / 8);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    // The bank separates its lines with CR LF; a lone CR or LF counts as well.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    qreal top = area.top();
    for (const QString& paragraph : text().split(lineEnd)) {
        QTextLayout layout(paragraph, font(), this);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition({0, top + baseline - line.ascent()});
            top += lineHeight;
        }
        layout.endLayout();
        layout.draw(&painter, {area.left(), 0});
    }
}
