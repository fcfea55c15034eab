#include "FrmExam.h"

#include "Db.h"
#include "Desktop.h"
#include "Guard.h"
#include "Notices.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <optional>

scoredata ScoreList;
QString CurrentDateline;

namespace {

constexpr int ScoreSlots = 5;
enum TScoreColumn
{
    ColTime,
    ColScore,
    ColRank
};

// A score-list cell that sorts by its number where it has one, so that 100 ranks above 95
// whatever the decoration around the figures.
class TScoreCell : public QTableWidgetItem
{
public:
    explicit TScoreCell(const QString& text, std::optional<double> number = std::nullopt)
        : QTableWidgetItem(text), number(number)
    {
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* cell = dynamic_cast<const TScoreCell*>(&other);
        if (number && cell && cell->number)
            return *number < *cell->number;
        return QTableWidgetItem::operator<(other);
    }

private:
    std::optional<double> number;
};

QFrame* Bevel(QWidget* parent, const char* name, int top)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setGeometry(0, top, 433, 2);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

QLabel* Picture(QWidget* parent, const char* name, int left, int top)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->move(left, top);
    picture->setAttribute(Qt::WA_TranslucentBackground);
    return picture;
}

// A looping animation shown from its first frame, the label sized to it.
void SetAnimation(QLabel* picture, const QString& file)
{
    auto* movie = new QMovie(file, QByteArray(), picture);
    movie->jumpToFrame(0);
    picture->setMovie(movie);
    picture->adjustSize();
}

void SetStill(QLabel* picture, const QPixmap& pixmap)
{
    picture->setPixmap(pixmap);
    picture->adjustSize();
}

} // namespace

TFrmExam::TFrmExam(QWidget* owner, std::function<void()> examRedo, QPushButton* btnMN)
    : QDialog(owner, platform::DialogFrame), examRedo(std::move(examRedo)), btnMN(btnMN)
{
    setObjectName(QStringLiteral("FrmExam"));
    setWindowTitle(QStringLiteral("模拟考试"));
    setFont(platform::DesignFont(QStringLiteral("Tahoma"), 11));
    setFixedSize(426, 373);

    // Created first so that it lies behind the score and the pictures.
    Shape1 = new QWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 433, 118);
    Shape1->setAutoFillBackground(true);
    QPalette white = Shape1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Shape1->setPalette(white);

    imgPic = Picture(this, "imgPic", 0, 2);
    SetAnimation(imgPic, QStringLiteral(":/exam/pass.gif"));
    Bevel1 = Bevel(this, "Bevel1", 118);
    imgText = Picture(this, "imgText", 160, 61);
    imgText->setAlignment(Qt::AlignCenter);
    SetStill(imgText, QPixmap(QStringLiteral(":/exam/pass-caption.gif")));

    BtnRedo = Button("BtnRedo", 113, QStringLiteral("重考本卷"), QStringLiteral(":/exam/redo.png"));
    ResultButton(BtnRedo, ResultRedo, &TFrmExam::BtnRedoClick);
    BtnRe = Button("BtnRe", 219, QStringLiteral("重新出题"), QStringLiteral(":/exam/new.png"));
    ResultButton(BtnRe, ResultNewPaper, &TFrmExam::BtnReClick);
    BtnResult =
        Button("BtnResult", 8, QStringLiteral("答题情况"), QStringLiteral(":/exam/result.png"));
    ResultButton(BtnResult, ResultReview, nullptr);

    lblResult = new QLabel(QStringLiteral("100分"), this);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblResult->move(224, 13);
    lblResult->setFont(platform::DesignFont(QStringLiteral("Tahoma"), 35, true));
    QPalette red = lblResult->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblResult->setPalette(red);
    lblResult->adjustSize();

    ImgPic2 = Picture(this, "ImgPic2", 31, 124);
    SetAnimation(ImgPic2, QStringLiteral(":/exam/fail.gif"));
    ImgPic2->hide();
    ImgText2 = Picture(this, "ImgText2", 8, 119);
    SetStill(ImgText2, QPixmap(QStringLiteral(":/exam/fail-caption.gif")));
    ImgText2->hide();

    btnScore =
        Button("btnScore", 325, QStringLiteral("删除记录"), QStringLiteral(":/exam/delete.png"));
    connect(btnScore, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { btnScoreClick(); }); });

    bvl1 = Bevel(this, "bvl1", 180);
    BuildScoreGrid();
    lblScore = new QLabel(QStringLiteral("最近五次考试成绩记录"), this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->move(154, 195);
    lblScore->adjustSize();

    platform::CentreOnScreen(*this);
}

QPushButton* TFrmExam::Button(const char* name, int left, const QString& caption,
                              const QString& icon)
{
    auto* button = new QPushButton(QIcon(icon), caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 133, 93, 33);
    button->setIconSize(QSize(24, 24));
    // Out of the tab order, and Enter presses none of them.
    button->setFocusPolicy(Qt::ClickFocus);
    button->setAutoDefault(false);
    return button;
}

void TFrmExam::ResultButton(QPushButton* button, int result, void (TFrmExam::*handler)())
{
    // The result is the button's whatever its handler does, so a failed handler still closes.
    connect(button, &QPushButton::clicked, this, [this, result, handler] {
        if (handler)
            platform::Guard([this, handler] { (this->*handler)(); });
        done(result);
    });
}

void TFrmExam::BuildScoreGrid()
{
    advstrngrd = new QTableWidget(0, 3, this);
    advstrngrd->setObjectName(QStringLiteral("advstrngrd"));
    advstrngrd->setGeometry(8, 219, 410, 136);
    advstrngrd->setHorizontalHeaderLabels(
        {QStringLiteral("时间"), QStringLiteral("成绩"), QStringLiteral("排名")});
    QHeaderView* header = advstrngrd->horizontalHeader();
    header->setFont(platform::DesignFont(QStringLiteral("宋体"), 12));
    header->setFixedHeight(22);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    for (int col = 0; col < 3; ++col)
        advstrngrd->setColumnWidth(col, 136);
    advstrngrd->verticalHeader()->hide();
    advstrngrd->verticalHeader()->setDefaultSectionSize(22);
    advstrngrd->setSelectionBehavior(QAbstractItemView::SelectRows);
    advstrngrd->setSelectionMode(QAbstractItemView::SingleSelection);
    advstrngrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    advstrngrd->setShowGrid(true);
    advstrngrd->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    advstrngrd->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette selection = advstrngrd->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        selection.setColor(group, QPalette::Highlight, selection.color(QPalette::ToolTipBase));
        selection.setColor(group, QPalette::HighlightedText,
                           selection.color(QPalette::ToolTipText));
    }
    advstrngrd->setPalette(selection);
    connect(header, &QHeaderView::sectionClicked, this, &TFrmExam::HeaderClicked);
}

void TFrmExam::HeaderClicked(int column)
{
    // The header has already turned its indicator to the order asked for.
    if (advstrngrd->rowCount() >= 2)
        advstrngrd->sortItems(column, advstrngrd->horizontalHeader()->sortIndicatorOrder());
}

void TFrmExam::ShowFailPictures()
{
    imgPic->setMovie(ImgPic2->movie());
    imgPic->adjustSize();
    SetStill(imgText, ImgText2->pixmap());
    // The fail caption is wider.
    imgText->move(130, imgText->y());
}

void TFrmExam::reject()
{
    done(ResultClosed);
}

void TFrmExam::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The system shows the window again when it comes back from being minimised; the list is
    // read and decorated once per opening.
    if (event->spontaneous())
        return;
    platform::Guard([this] { FormShow(); });
}

void TFrmExam::FormShow()
{
    QMovie* movie = imgPic->movie();
    movie->setSpeed(200);
    movie->start();

    ScoreList.clear();
    ScoreList.resize(ScoreSlots);
    db::LoadLatestScores(ScoreList);
    for (size_t k = 0; k < ScoreList.size(); ++k) {
        if (ScoreList[k].id <= 0)
            continue;
        if (k == 0)
            CurrentDateline = ScoreList[k].dateline;
        AddScoreRow(ScoreList[k]);
    }
    RankByScore();
    advstrngrd->horizontalHeader()->setSortIndicator(ColTime, Qt::AscendingOrder);
    SelectCurrentPaper();
    Decorate();
}

void TFrmExam::AddScoreRow(const myScore& slot)
{
    const int row = advstrngrd->rowCount();
    advstrngrd->insertRow(row);
    advstrngrd->setItem(row, ColTime, new TScoreCell(slot.dateline));
    advstrngrd->setItem(row, ColScore, new TScoreCell(slot.score, slot.score.toDouble()));
}

void TFrmExam::RankByScore()
{
    // A stable sort: of two equal scores the newer keeps the better rank.
    advstrngrd->sortItems(ColScore, Qt::DescendingOrder);
    for (int row = 0; row < advstrngrd->rowCount(); ++row)
        advstrngrd->setItem(row, ColRank, new TScoreCell(QString::number(row + 1), row + 1));
}

void TFrmExam::SelectCurrentPaper()
{
    for (int row = 0; row < advstrngrd->rowCount(); ++row) {
        if (advstrngrd->item(row, ColTime)->text() == CurrentDateline) {
            advstrngrd->selectRow(row);
            return;
        }
    }
}

void TFrmExam::Decorate()
{
    for (int row = 0; row < advstrngrd->rowCount(); ++row) {
        if (advstrngrd->item(row, ColTime)->text().isEmpty())
            continue;
        QTableWidgetItem* score = advstrngrd->item(row, ColScore);
        score->setText(score->text() + QStringLiteral("分"));
        QTableWidgetItem* rank = advstrngrd->item(row, ColRank);
        rank->setText(QStringLiteral("第%1名").arg(rank->text()));
    }
}

void TFrmExam::btnScoreClick()
{
    if (!platform::Notices::Confirm(QStringLiteral("确定要删除最近五次考试成绩记录吗？"),
                                    QMessageBox::Question, this))
        return;
    advstrngrd->clearContents();
    advstrngrd->setRowCount(0);
    db::DeleteAllScores();
}

void TFrmExam::BtnRedoClick()
{
    examRedo();
}

void TFrmExam::BtnReClick()
{
    btnMN->click();
}
