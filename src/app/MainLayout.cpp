#include "MainLayout.h"

#include "AnswerSheet.h"
#include "Desktop.h"
#include "ExplainPanel.h"
#include "QuestionLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QColor Navy{0, 0, 128};

template <typename T>
T* Make(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(left, top, width, height);
    return w;
}

QLabel* Label(QWidget* parent, const char* name, QRect place, const QString& text)
{
    auto* l = Make<QLabel>(parent, name, place.x(), place.y(), place.width(), place.height());
    l->setText(text);
    return l;
}

QPushButton* Button(QWidget* parent, const char* name, QRect place, const QString& text)
{
    auto* b = Make<QPushButton>(parent, name, place.x(), place.y(), place.width(), place.height());
    b->setText(text);
    return b;
}

// The nine practice buttons carry a 24 x 24 glyph left of the caption.
QPushButton* GlyphButton(QWidget* parent, const char* name, int top, const QString& text)
{
    QPushButton* b = Button(parent, name, {16, top, 104, 33}, text);
    b->setIcon(QIcon(QStringLiteral(":/app/%1.png").arg(QString::fromLatin1(name))));
    b->setIconSize({24, 24});
    return b;
}

void SetColor(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

// A legend swatch: a silver one-pixel border around the fill.
QPixmap Swatch(const QColor& fill)
{
    QPixmap p(33, 16);
    p.fill(QColor(192, 192, 192));
    QPainter painter(&p);
    painter.fillRect(1, 1, 31, 14, fill);
    return p;
}

void BuildLeftColumn(QWidget& window, TMainControls& c)
{
    auto* top = Make<QLabel>(&window, "ImgTop", 8, 5, 880, 80);
    top->setAlignment(Qt::AlignCenter);
    top->setPixmap(QPixmap(QStringLiteral(":/app/banner.png")));
    auto* panTop = Make<QWidget>(&window, "PanTop", 8, 5, 880, 80);
    panTop->hide();
    // Over the banner's left part, hidden while there is nothing to explain.
    c.PanExplain = Make<TExplainPanel>(&window, "PanExplain", 8, 5, 760, 80);

    auto* grpTime = Make<QGroupBox>(&window, "GrpTime", 7, 95, 137, 50);
    grpTime->setTitle(QStringLiteral("计时"));
    c.LblTime = Label(grpTime, "LblTime", {30, 18, 100, 24}, QStringLiteral("08:06:06"));
    c.LblTime->setFont(platform::DesignFont(QStringLiteral("WST_Span"), 24, true));
    SetColor(c.LblTime, Navy);

    auto* grpBtn = Make<QGroupBox>(&window, "GrpBtn", 7, 151, 137, 410);
    c.BtnOrder = GlyphButton(grpBtn, "BtnOrder", 17, QStringLiteral("顺序练习"));
    c.BtnRandom = GlyphButton(grpBtn, "BtnRandom", 56, QStringLiteral("随机练习"));
    c.BtnChapter = GlyphButton(grpBtn, "BtnChapter", 95, QStringLiteral("章节练习"));
    c.BtnExam = GlyphButton(grpBtn, "BtnExam", 134, QStringLiteral("专项练习"));
    c.BtnUpdate = GlyphButton(grpBtn, "BtnUpdate", 173, QStringLiteral("强化练习"));
    c.BtnError = GlyphButton(grpBtn, "BtnError", 212, QStringLiteral("错题练习"));
    c.BtnMN = GlyphButton(grpBtn, "BtnMN", 251, QStringLiteral("模拟考试"));
    c.BtnConfig = GlyphButton(grpBtn, "BtnConfig", 318, QStringLiteral("键盘设置"));
    c.BtnAbout = GlyphButton(grpBtn, "BtnAbout", 357, QStringLiteral("关    于"));
}

void BuildAnswerButtons(QGroupBox* grp, TMainControls& c)
{
    c.Panelxz = Make<QWidget>(grp, "Panelxz", 529, 174, 196, 50);
    const QFont letters = platform::DesignFont(QStringLiteral("Comic Sans MS"), 21, true);
    c.BtnA = Button(c.Panelxz, "BtnA", {13, 0, 40, 40}, QStringLiteral("A"));
    c.BtnB = Button(c.Panelxz, "BtnB", {60, 0, 40, 40}, QStringLiteral("B"));
    c.BtnC = Button(c.Panelxz, "BtnC", {106, 0, 40, 40}, QStringLiteral("C"));
    c.BtnD = Button(c.Panelxz, "BtnD", {153, 0, 40, 40}, QStringLiteral("D"));
    for (QPushButton* b : {c.BtnA, c.BtnB, c.BtnC, c.BtnD})
        b->setFont(letters);
    // Between the answer given and the letters, which a multiple-choice question turns into
    // switches; the hint under them.
    c.BtnConfirm = Button(grp, "BtnConfirm", {486, 178, 50, 34}, QStringLiteral("确定"));
    c.BtnConfirm->hide();
    c.LblMultiple = Label(grp, "LblMultiple", {520, 215, 216, 11},
                          QStringLiteral("多选题：选出全部正确答案后按“确定”"));
    c.LblMultiple->setFont(platform::DesignFont(QStringLiteral("宋体"), 8));
    SetColor(c.LblMultiple, Navy);
    c.LblMultiple->hide();

    c.Panelpd = Make<QWidget>(grp, "Panelpd", 542, 174, 179, 44);
    const QFont marks = platform::DesignFont(QStringLiteral("楷体_GB2312"), 24, true);
    c.BtnYes = Button(c.Panelpd, "BtnYes", {25, 1, 40, 40}, QStringLiteral("对"));
    c.BtnNo = Button(c.Panelpd, "BtnNo", {116, 1, 40, 40}, QStringLiteral("错"));
    c.BtnYes->setFont(marks);
    c.BtnNo->setFont(marks);
    c.Panelpd->hide();
}

void BuildPracticeArea(QWidget& window, TMainControls& c)
{
    c.GrpMain = Make<QGroupBox>(&window, "GrpMain", 150, 95, 738, 465);
    c.GrpMain->setTitle(QStringLiteral("随机练习"));
    QGroupBox* g = c.GrpMain;

    c.LblExam = Make<TQuestionLabel>(g, "LblExam", 16, 20, 512, 172);
    c.LblExam->setText(QStringLiteral("加载试题中，请稍后......"));
    c.LblExam->setFont(platform::DesignFont(QStringLiteral("宋体"), 16, true));
    SetColor(c.LblExam, Navy);
    c.ImgExam = Make<QLabel>(g, "ImgExam", 542, 28, 179, 132);
    c.ImgExam->setAlignment(Qt::AlignCenter);
    c.ImgExam->hide();

    BuildAnswerButtons(g, c);

    // Labels whose caption changes at run time are given the room their longest text needs.
    c.LblRight = Label(g, "LblRight", {175, 194, 170, 12}, QStringLiteral("正确答案："));
    c.LblRight->hide();
    Label(g, "Label3", {357, 194, 90, 12}, QStringLiteral("您的答案：_____"));
    c.LblMyAnswer = Label(g, "LblMyAnswer", {424, 180, 22, 24}, QString());
    c.LblMyAnswer->setFont(platform::DesignFont(QStringLiteral("宋体"), 24, true));
    c.ImgAnswer = Make<QLabel>(g, "ImgAnswer", 446, 190, 25, 22);

    c.BtnSetError = Button(g, "BtnSetError", {357, 226, 87, 33}, QStringLiteral("设为错题"));
    c.BtnSelect = Button(g, "BtnSelect", {450, 226, 87, 33}, QStringLiteral("显示答案"));
    c.BtnPre = Button(g, "BtnPre", {543, 226, 87, 33}, QStringLiteral("上一题"));
    c.BtnNext = Button(g, "BtnNext", {636, 226, 87, 33}, QStringLiteral("下一题"));
    c.lblErrorSave = Label(g, "lblErrorSave", {303, 235, 50, 12}, QStringLiteral("设置成功"));
    SetColor(c.lblErrorSave, Navy);
    c.lblErrorSave->hide();
    c.LblPre = Label(g, "LblPre", {16, 239, 150, 12}, QStringLiteral("首正率：0.0%"));
    c.LblTR = Label(g, "LblTR", {175, 239, 170, 12}, QStringLiteral("答题/正确：0 / 0"));

    const struct
    {
        const char* image;
        int imageLeft;
        QColor fill;
        const char* label;
        int labelLeft;
        const char16_t* text;
    } legend[] = {{"Image2", 16, Qt::white, "Label1", 55, u"未答题"},
                  {"Image3", 100, TAnswerSheet::SelectedCellColor, "Label2", 140, u"当前题"},
                  {"Image4", 190, QColor(255, 255, 225), "Label4", 230, u"已答题"}};
    for (const auto& l : legend) {
        Make<QLabel>(g, l.image, l.imageLeft, 290, 33, 16)->setPixmap(Swatch(l.fill));
        Label(g, l.label, {l.labelLeft, 292, 36, 12}, QString::fromUtf16(l.text));
    }
    Label(g, "Label5", {330, 292, 228, 12}, QStringLiteral("按 ← 键返回上一题  按 → 键前往下一题"));
    c.ChkAutoNext = Make<QCheckBox>(g, "ChkAutoNext", 620, 288, 110, 17);
    c.ChkAutoNext->setText(QStringLiteral("自动转到下一题"));
    c.ChkAutoNext->setChecked(true);

    c.Grd = Make<TAnswerSheet>(g, "Grd", 16, 311, 706, 144);
    c.Grd->setFont(platform::DesignFont(QStringLiteral("Tahoma"), 11));
}

void BuildMenu(QWidget& window, TMainControls& c)
{
    c.pmCleanError = new QMenu(&window);
    c.pmCleanError->setObjectName(QStringLiteral("pmCleanError"));
    auto item = [&](const char* name, const QString& text) {
        QAction* a = c.pmCleanError->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    c.mniN3 = item("mniN3", QStringLiteral("答对自动去除"));
    c.mniN3->setCheckable(true);
    c.mniN3->setChecked(true);
    c.mniN1 = item("mniN1", QStringLiteral("去除当前错题"));
    c.mniN2 = item("mniN2", QStringLiteral("清空所有错题"));
}

} // namespace

TMainControls BuildMainLayout(QWidget& window)
{
    TMainControls c;
    c.Window = &window;
    BuildLeftColumn(window, c);
    BuildPracticeArea(window, c);

    // Over the practice area, between its buttons and the answer sheet.
    c.Prb = Make<QProgressBar>(&window, "Prb", 166, 361, 706, 17);
    c.Prb->setRange(1, 100);
    c.Prb->setValue(1);
    c.Prb->setTextVisible(false);

    c.Timer1 = new QTimer(&window);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    c.Timer1->setInterval(1000);
    BuildMenu(window, c);
    return c;
}
