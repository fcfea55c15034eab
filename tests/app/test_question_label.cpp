#include "Desktop.h"
#include "QuestionLabel.h"

#include <QImage>
#include <QTest>

namespace {

// The label as it shows the question text: the layout's font and colour, fixed size.
struct TShownLabel
{
    TQuestionLabel label;
    explicit TShownLabel(const QString& text, int width = 512)
    {
        QFont font(QStringLiteral("宋体"));
        font.setPixelSize(16);
        font.setBold(true);
        label.setFont(font);
        QPalette p = label.palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        label.setPalette(p);
        label.setFixedSize(width, 172);
        label.setText(text);
    }

    // The rows of the label that hold ink, as [first, last] runs from top to bottom.
    QList<std::pair<int, int>> InkBands()
    {
        const QImage image = label.grab().toImage();
        const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
        QList<std::pair<int, int>> bands;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = image.pixel(x, y) != background;
            if (!ink)
                continue;
            if (!bands.isEmpty() && bands.back().second == y - 1)
                bands.back().second = y;
            else
                bands.append({y, y});
        }
        return bands;
    }
};

// A question with its four options, composed as the bank composes it.
const QString Question = QStringLiteral(
    "102.路口遇到图中所示的信号灯亮时，直行车辆应当怎样做？\r\n\r\nA、减速通过路口\r\n\r\n"
    "B、确认安全后直行通过\r\n\r\nC、鸣喇叭后通过\r\n\r\nD、在停止线以外停车等候");

} // namespace

class TestQuestionLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallDesignFontSubstitutes(); }
    void textStaysPlain();
    void linesStandOnePixelSizeApart();
    void chineseWrapsBetweenAnyCharacters();
    void longWordWrapsInside();
};

void TestQuestionLabel::textStaysPlain()
{
    const QString markup = QStringLiteral("<b>1.</b> 标志 &amp; 标线");
    TShownLabel shown(markup);
    QCOMPARE(shown.label.text(), markup);
    QCOMPARE(shown.label.textFormat(), Qt::PlainText);
    QCOMPARE(shown.label.LineHeight(), 16.0);
}

// Nine lines of 16 px fill 144 of the 172 px: the last option is whole, each line's ink
// inside its own share of the height.
void TestQuestionLabel::linesStandOnePixelSizeApart()
{
    TShownLabel shown(Question);
    const auto bands = shown.InkBands();
    QCOMPARE(bands.size(), 5);
    for (int i = 0; i < bands.size(); ++i) {
        const int top = 2 * i * 16;
        QVERIFY2(bands[i].first >= top - 1 && bands[i].second <= top + 16,
                 qPrintable(QStringLiteral("line %1 inked from %2 to %3")
                                .arg(2 * i)
                                .arg(bands[i].first)
                                .arg(bands[i].second)));
    }
}

void TestQuestionLabel::chineseWrapsBetweenAnyCharacters()
{
    // Forty characters of 16 px with no blank between them need two lines of 512 px.
    TShownLabel shown(QString(40, QChar(u'车')));
    const auto bands = shown.InkBands();
    QVERIFY(!bands.isEmpty());
    QVERIFY(bands.front().first < 16);
    QVERIFY(bands.back().second > 16);
    QVERIFY(bands.back().second <= 32);
}

void TestQuestionLabel::longWordWrapsInside()
{
    TShownLabel shown(QStringLiteral("1.") + QString(80, QLatin1Char('W')), 200);
    const auto bands = shown.InkBands();
    QVERIFY(!bands.isEmpty());
    QVERIFY(bands.back().second > 16);
}

QTEST_MAIN(TestQuestionLabel)
#include "test_question_label.moc"
