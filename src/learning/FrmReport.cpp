#include "FrmReport.h"

#include "Desktop.h"
#include "Guard.h"
#include "Notices.h"
#include "Records.h"
#include "StudyPlan.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateEdit>
#include <QFileDialog>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSet>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor MasteredColor{76, 175, 80};
const QColor LearningColor{255, 167, 38};
const QColor UnpractisedColor{207, 216, 220};
const QColor AnswersColor{100, 149, 237};
const QColor ShareColor{46, 125, 50};
const QColor ScoreColor{0, 0, 128};
const QColor PassColor{220, 0, 0};

// The step of 1, 2 or 5 times a power of ten that divides a span into at most that many.
int NiceStep(int span, int intervals)
{
    for (int power = 1;; power *= 10)
        for (int step : {power, 2 * power, 5 * power})
            if (span <= intervals * step)
                return step;
}

// A count axis whose intervals also cut 100 into round per cents (4 or 5 of them), so that a
// per-cent axis beside it has round ticks at the same heights.
struct TPairedScale
{
    int top;
    int intervals;
};

TPairedScale PairedScale(int most)
{
    const int step = NiceStep(std::max(most, 1), 5);
    const int needed = std::max(1, (most + step - 1) / step);
    const int intervals = needed <= 4 ? 4 : 5;
    return {step * intervals, intervals};
}

// A vertical axis' title written across, as Chinese is read, above the axis' end; Qt Charts
// would turn it on its side.
void UprightTitle(QChart* chart, QAbstractAxis* axis, Qt::Alignment side)
{
    auto* title = new QGraphicsSimpleTextItem(axis->titleText(), chart);
    title->setFont(axis->titleFont());
    axis->setTitleVisible(false);
    const auto place = [chart, title, side] {
        const QRectF plot = chart->plotArea();
        const QRectF box = title->boundingRect();
        const qreal x = side == Qt::AlignLeft ? plot.left() - box.width() - 2 : plot.right() + 2;
        title->setPos(std::clamp(x, 0.0, chart->size().width() - box.width()),
                      plot.top() - box.height() - 8);
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
    place();
}

// A chart with nothing to draw says so in the middle of its empty grid.
void EmptyNote(QChart* chart, const QString& note)
{
    auto* text = new QGraphicsSimpleTextItem(note, chart);
    text->setFont(chart->legend()->font());
    const auto place = [chart, text] {
        const QRectF box = text->boundingRect();
        text->setPos(chart->plotArea().center() - QPointF(box.width() / 2, box.height() / 2));
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
    place();
}

// A chart in its view, with the dialog's font, its figures given as text to a screen reader.
QChartView* ChartView(QWidget* parent, const char* name, QRect place, const QString& title,
                      const QString& figures)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = parent->font();
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->setFont(parent->font());
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Room above the plot for the vertical axes' titles.
    chart->setMargins(QMargins(4, 4 + QFontMetrics(parent->font()).height(), 4, 4));
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setGeometry(place);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(title);
    view->setAccessibleDescription(figures);
    view->setToolTip(QString());
    return view;
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QValueAxis* ValueAxis(QChart* chart, Qt::Alignment side, double top, const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    QFont small = chart->legend()->font();
    axis->setLabelsFont(small);
    axis->setTitleFont(small);
    chart->addAxis(axis, side);
    return axis;
}

// Every score in time order against the pass line; a point tells its date and score on hover.
void FillScores(QChartView* view, const std::vector<TScorePoint>& scores)
{
    QChart* chart = view->chart();
    const int count = static_cast<int>(scores.size());
    auto* x = ValueAxis(chart, Qt::AlignBottom, std::max(count, 1) + 1, QStringLiteral("第几次"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(NiceStep(std::max(count, 1), 10));
    auto* y = ValueAxis(chart, Qt::AlignLeft, 100, QStringLiteral("分"));
    y->setTickCount(6);
    UprightTitle(chart, y, Qt::AlignLeft);
    if (scores.empty())
        EmptyNote(chart, ReadinessLine(scores));

    auto* pass = new QLineSeries;
    pass->setName(QStringLiteral("及格线 %1分").arg(PassMark));
    pass->setPen(QPen(PassColor, 1.5, Qt::DashLine));
    pass->append(0, PassMark);
    pass->append(x->max(), PassMark);
    Attach(chart, pass, x, y);

    auto* line = new QLineSeries;
    line->setName(QStringLiteral("成绩"));
    line->setPen(QPen(ScoreColor, 1.5));
    line->setPointsVisible(count <= 100);
    for (int k = 0; k < count; ++k)
        line->append(k + 1, scores[k].score);
    Attach(chart, line, x, y);
    QObject::connect(line, &QLineSeries::hovered, view, [scores, view](QPointF at, bool entered) {
        if (!entered || scores.empty()) {
            QToolTip::hideText();
            return;
        }
        const size_t k = std::clamp<qsizetype>(qRound(at.x()) - 1, 0, scores.size() - 1);
        QToolTip::showText(QCursor::pos(),
                           QStringLiteral("第%1次 %2  %3分")
                               .arg(k + 1)
                               .arg(scores[k].dateline)
                               .arg(scores[k].score),
                           view);
    });
}

// Answers per day as bars, the share right as a line on its own per-cent axis.
void FillDays(QChartView* view, const std::vector<TAnswerDay>& days)
{
    QChart* chart = view->chart();
    const int last = static_cast<int>(days.size()) - 1;
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setRange(-0.5, last + 0.5);
    QFont dayFont = chart->legend()->font();
    dayFont.setPixelSize(std::max(8, dayFont.pixelSize() - 3));
    x->setLabelsFont(dayFont);
    // Every other bar its day of the month, counted back from today, the first of a month its
    // month; the span in the title. A label spans two bars, room for its figures. The axis takes
    // each label once only, and in a February a day's number comes twice.
    QSet<QString> taken;
    for (int k = std::max(last, 0) % 2; k <= last; k += 2) {
        const QDate day = days[k].day;
        QString label =
            day.day() == 1 ? QStringLiteral("%1月").arg(day.month()) : QString::number(day.day());
        while (taken.contains(label))
            label += QChar(0x200B);
        taken.insert(label);
        x->append(label, k);
    }
    if (!days.empty())
        x->setTitleText(
            QStringLiteral("%1至%2").arg(days.front().day.toString(QStringLiteral("M月d日")),
                                         days.back().day.toString(QStringLiteral("M月d日"))));
    x->setTitleFont(chart->legend()->font());
    chart->addAxis(x, Qt::AlignBottom);
    int most = 0;
    for (const TAnswerDay& d : days)
        most = std::max(most, d.answers);
    const TPairedScale scale = PairedScale(std::max(most, 10));
    auto* count = ValueAxis(chart, Qt::AlignLeft, scale.top, QStringLiteral("答题数"));
    count->setTickCount(scale.intervals + 1);
    auto* share = ValueAxis(chart, Qt::AlignRight, 100, QStringLiteral("正确率%"));
    share->setTickCount(scale.intervals + 1);
    UprightTitle(chart, count, Qt::AlignLeft);
    UprightTitle(chart, share, Qt::AlignRight);

    auto* answers = new QBarSet(QStringLiteral("答题数"));
    answers->setColor(AnswersColor);
    answers->setBorderColor(AnswersColor);
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("正确率"));
    line->setPen(QPen(ShareColor, 2));
    // A line needs two days; the points show every day, the only one too.
    auto* points = new QScatterSeries;
    points->setColor(ShareColor);
    points->setBorderColor(ShareColor);
    points->setMarkerSize(7);
    for (int k = 0; k <= last; ++k) {
        *answers << days[k].answers;
        if (days[k].answers > 0) {
            line->append(k, RightPercent(days[k]));
            points->append(k, RightPercent(days[k]));
        }
    }
    auto* bars = new QBarSeries;
    bars->setBarWidth(0.7);
    bars->append(answers);
    Attach(chart, bars, x, count);
    Attach(chart, line, x, share);
    Attach(chart, points, x, share);
    for (QLegendMarker* marker : chart->legend()->markers(points))
        marker->setVisible(false);
}

// One stacked bar per chapter, the first chapter on top, each labelled as the chapter dialog
// names it with its error-book count.
void FillChapters(QChartView* view, const std::vector<TChapterProgress>& chapters)
{
    QChart* chart = view->chart();
    auto* mastered = new QBarSet(QStringLiteral("已掌握"));
    auto* learning = new QBarSet(QStringLiteral("学习中"));
    auto* unpractised = new QBarSet(QStringLiteral("未练习"));
    QStringList labels;
    int widest = 0;
    for (auto c = chapters.rbegin(); c != chapters.rend(); ++c) {
        *mastered << c->mastered;
        *learning << c->learning;
        *unpractised << c->unpractised;
        labels << ChapterLabel(*c);
        widest = std::max(widest, c->mastered + c->learning + c->unpractised);
    }
    auto* series = new QHorizontalStackedBarSeries;
    for (auto [set, color] :
         {std::pair{mastered, MasteredColor}, std::pair{learning, LearningColor},
          std::pair{unpractised, UnpractisedColor}}) {
        set->setColor(color);
        set->setBorderColor(color.darker(115));
        set->setLabelColor(Qt::black);
        series->append(set);
    }
    series->setBarWidth(0.7);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsCenter);

    auto* y = new QBarCategoryAxis;
    y->append(labels);
    y->setLabelsFont(chart->legend()->font());
    chart->addAxis(y, Qt::AlignLeft);
    auto* x = ValueAxis(chart, Qt::AlignBottom, std::max(widest, 10), QStringLiteral("题数"));
    x->applyNiceNumbers();
    Attach(chart, series, y, x);
}

} // namespace

TFrmReport::TFrmReport(QWidget* owner, const TStudyReport& report,
                       std::function<void()> startReview,
                       std::function<void(QDate)> examDateChanged)
    : QDialog(owner, platform::DialogFrame), report(report), startReview(std::move(startReview)),
      examDateChanged(std::move(examDateChanged))
{
    setObjectName(QStringLiteral("FrmReport"));
    setWindowTitle(QStringLiteral("学习报告"));
    setFont(platform::DesignFont(QStringLiteral("宋体"), 12));
    setFixedSize(940, 718);

    LblReadiness = new QLabel(ReadinessLine(report.scores), this);
    LblReadiness->setObjectName(QStringLiteral("LblReadiness"));
    LblReadiness->setGeometry(12, 8, 780, 26);
    LblReadiness->setFont(platform::DesignFont(QStringLiteral("宋体"), 16, true));
    LblTotals = new QLabel(TotalsLine(report), this);
    LblTotals->setObjectName(QStringLiteral("LblTotals"));
    LblTotals->setGeometry(12, 36, 780, 22);
    LblPlan = new QLabel(PlanLine(report), this);
    LblPlan->setObjectName(QStringLiteral("LblPlan"));
    LblPlan->setGeometry(12, 60, 580, 22);
    LblEstimate = new QLabel(learning::EstimateLine(report.estimate), this);
    LblEstimate->setObjectName(QStringLiteral("LblEstimate"));
    LblEstimate->setGeometry(12, 86, 260, 22);
    LblEstimate->setFont(platform::DesignFont(QStringLiteral("宋体"), 12, true));
    LblMeaning =
        new QLabel(report.estimate ? learning::EstimateMeaning(report.paper) : QString(), this);
    LblMeaning->setObjectName(QStringLiteral("LblMeaning"));
    LblMeaning->setGeometry(276, 86, 520, 22);

    auto* caption = new QLabel(QStringLiteral("考试日期"), this);
    caption->setGeometry(604, 60, 64, 22);
    DateExam = new QDateEdit(this);
    DateExam->setObjectName(QStringLiteral("DateExam"));
    DateExam->setGeometry(668, 58, 128, 26);
    DateExam->setCalendarPopup(true);
    DateExam->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // The day before the earliest date that makes sense stands for "none": a date edit always
    // holds some date, and showing one must not set it.
    const QDate earliest =
        report.examDate.isValid() ? std::min(report.examDate, report.today) : report.today;
    DateExam->setMinimumDate(earliest.addDays(-1));
    DateExam->setSpecialValueText(QStringLiteral("未设置"));
    DateExam->setDate(report.examDate.isValid() ? report.examDate : DateExam->minimumDate());
    connect(DateExam, &QDateEdit::dateChanged, this,
            [this](QDate date) { platform::Guard([&] { ExamDateEdited(date); }); });
    BtnClearDate = new QPushButton(QStringLiteral("清除"), this);
    BtnClearDate->setObjectName(QStringLiteral("BtnClearDate"));
    BtnClearDate->setGeometry(812, 58, 116, 26);
    BtnClearDate->setAutoDefault(false);
    connect(BtnClearDate, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnClearDateClick(); }); });

    BtnReview = new QPushButton(QStringLiteral("巩固练习"), this);
    BtnReview->setObjectName(QStringLiteral("BtnReview"));
    BtnReview->setGeometry(812, 14, 116, 34);
    BtnReview->setAutoDefault(false);
    // Nothing is due: a review would find no question.
    BtnReview->setEnabled(report.due > 0);
    connect(BtnReview, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnReviewClick(); }); });
    BtnPdf = new QPushButton(QStringLiteral("保存为PDF"), this);
    BtnPdf->setObjectName(QStringLiteral("BtnPdf"));
    BtnPdf->setGeometry(812, 86, 116, 26);
    BtnPdf->setAutoDefault(false);
    connect(BtnPdf, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnPdfClick(); }); });

    ChartScores = ChartView(this, "ChartScores", {8, 114, 458, 290},
                            QStringLiteral("历次模拟考试成绩"), ScoresText(report.scores));
    FillScores(ChartScores, report.scores);
    ChartDays = ChartView(this, "ChartDays", {474, 114, 458, 290},
                          QStringLiteral("最近%1天的练习").arg(ReportDays), DaysText(report.days));
    FillDays(ChartDays, report.days);
    ChartChapters = ChartView(this, "ChartChapters", {8, 410, 924, 300},
                              QStringLiteral("各章掌握情况"), ChaptersText(report.chapters));
    FillChapters(ChartChapters, report.chapters);

    platform::CentreOnScreen(*this);
}

void TFrmReport::ExamDateEdited(QDate date)
{
    if (date == DateExam->minimumDate())
        return;
    db::SaveExamDate(date);
    ExamDateKept(date);
}

void TFrmReport::BtnClearDateClick()
{
    db::ClearExamDate();
    {
        const QSignalBlocker quiet(DateExam);
        DateExam->setDate(DateExam->minimumDate());
    }
    ExamDateKept(QDate());
}

void TFrmReport::ExamDateKept(QDate date)
{
    ChangeExamDate(report, date);
    LblPlan->setText(PlanLine(report));
    LblTotals->setText(TotalsLine(report));
    BtnReview->setEnabled(report.due > 0);
    if (examDateChanged)
        examDateChanged(date);
}

void TFrmReport::BtnPdfClick()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("保存为PDF"),
        QStringLiteral("学习报告-%1.pdf").arg(report.today.toString(QStringLiteral("yyyyMMdd"))),
        QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !SaveAsPdf(path))
        platform::Notices::Inform(QStringLiteral("无法保存文件：%1").arg(path), this);
}

bool TFrmReport::SaveAsPdf(const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(150);
    pdf.setTitle(QStringLiteral("学习报告"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    // The dialog's own geometry, scaled to the page's width, so the lines keep their sizes
    // beside the charts.
    const double scale = double(page.width()) / width();
    painter.scale(scale, scale);
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(font().pointSizeF() * 1.4);
    painter.setFont(heading);
    int y = 0;
    const auto line = [&](const QString& text, int height) {
        if (text.isEmpty())
            return;
        painter.drawText(QRect(12, y, width() - 24, height), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        y += height;
    };
    line(QStringLiteral("学习报告  科目一  %1")
             .arg(report.today.toString(QStringLiteral("yyyy年M月d日"))),
         34);
    painter.setFont(font());
    if (report.examDate.isValid())
        line(QStringLiteral("考试日期：%1")
                 .arg(report.examDate.toString(QStringLiteral("yyyy年M月d日"))),
             24);
    line(LblReadiness->text(), 24);
    line(LblTotals->text(), 24);
    line(LblPlan->text(), 24);
    line(LblEstimate->text() + QStringLiteral("  ") + LblMeaning->text(), 24);
    y += 8;
    for (QChartView* chart : {ChartScores, ChartDays, ChartChapters}) {
        const QRect place = chart->geometry();
        chart->render(&painter, QRectF(place.x(), y + place.y() - ChartScores->y(), place.width(),
                                       place.height()));
    }
    return painter.end();
}

void TFrmReport::BtnReviewClick()
{
    // The start runs while the report is still on screen, so its message box belongs here;
    // the report closes afterwards even when the start failed.
    platform::Guard(startReview);
    done(ReviewResult);
}

void OpenStudyReport(QWidget* owner, const std::map<int, TMastery>& mastery,
                     const std::function<void()>& startReview,
                     const std::function<void(QDate)>& examDateChanged)
{
    TFrmReport report(owner, LoadStudyReport(QDate::currentDate(), mastery), startReview,
                      examDateChanged);
    report.exec();
}
