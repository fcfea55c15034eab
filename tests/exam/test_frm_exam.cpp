#include "Db.h"
#include "Fixture.h"
#include "FrmExam.h"
#include "TestNotices.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Each entry is "score|dateline", stored oldest first.
void StoreScores(const QStringList& rows)
{
    for (const QString& row : rows) {
        const QStringList parts = row.split(QLatin1Char('|'));
        db::InsertScore(QStringLiteral("score,dateline"),
                        QStringLiteral("%1,'%2'").arg(parts[0], parts[1]));
    }
}

int StoredRows()
{
    return db::GetQuestionStore().GetTable(QStringLiteral("select * from scoredata"))->RowCount();
}

// The list as shown, one "时间|成绩|排名" entry per row.
QStringList Shown(const QTableWidget& grid)
{
    QStringList rows;
    for (int row = 0; row < grid.rowCount(); ++row)
        rows << QStringLiteral("%1|%2|%3")
                    .arg(grid.item(row, 0)->text(), grid.item(row, 1)->text(),
                         grid.item(row, 2)->text());
    return rows;
}

int SelectedRow(const QTableWidget& grid)
{
    const QModelIndexList rows = grid.selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

void ClickHeader(QTableWidget& grid, int column)
{
    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 20, header->height() / 2));
}

} // namespace

class TestFrmExam : public QObject
{
    Q_OBJECT

    std::unique_ptr<fixture::TBankFolder> bank;
    QWidget owner;
    QPushButton btnMN;
    int redone = 0;

    std::unique_ptr<TFrmExam> Dialog()
    {
        return std::make_unique<TFrmExam>(
            &owner, [this] { ++redone; }, &btnMN);
    }

private slots:
    void initTestCase() { bank = fixture::SmallBank({fixture::ChoiceQuestion(1, 1)}); }

    void init()
    {
        db::DeleteAllScores();
        redone = 0;
    }

    void layout()
    {
        const auto d = Dialog();
        QCOMPARE(d->windowTitle(), QStringLiteral("模拟考试"));
        QCOMPARE(d->size(), QSize(426, 373));
        QCOMPARE(d->font().pixelSize(), 11);
        QVERIFY(
            !(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->Shape1->geometry(), QRect(0, 0, 433, 118));
        QCOMPARE(d->Shape1->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(d->imgPic->geometry(), QRect(0, 2, 117, 110));
        QCOMPARE(d->imgPic->movie()->fileName(), QStringLiteral(":/exam/pass.gif"));
        QCOMPARE(d->imgText->geometry(), QRect(160, 61, 220, 40));
        QCOMPARE(d->ImgPic2->geometry(), QRect(31, 124, 100, 84));
        QCOMPARE(d->ImgText2->geometry(), QRect(8, 119, 280, 40));
        QVERIFY(d->ImgPic2->isHidden() && d->ImgText2->isHidden());
        QCOMPARE(d->lblResult->pos(), QPoint(224, 13));
        QCOMPARE(d->lblResult->font().pixelSize(), 35);
        QVERIFY(d->lblResult->font().bold());
        QCOMPARE(d->lblResult->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(d->lblScore->text(), QStringLiteral("最近五次考试成绩记录"));
        const struct
        {
            QPushButton* button;
            const char* caption;
            int left;
        } buttons[] = {{d->BtnResult, "答题情况", 8},
                       {d->BtnRedo, "重考本卷", 113},
                       {d->BtnRe, "重新出题", 219},
                       {d->btnScore, "删除记录", 325}};
        for (const auto& b : buttons) {
            QCOMPARE(b.button->text(), QString::fromUtf8(b.caption));
            QCOMPARE(b.button->geometry(), QRect(b.left, 133, 93, 33));
            QVERIFY(!b.button->icon().isNull());
            QVERIFY(!(b.button->focusPolicy() & Qt::TabFocus));
        }
        QTableWidget* grid = d->advstrngrd;
        QCOMPARE(grid->geometry(), QRect(8, 219, 410, 136));
        QVERIFY(grid->focusPolicy() & Qt::TabFocus);
        QCOMPARE(grid->columnCount(), 3);
        for (int col = 0; col < 3; ++col)
            QCOMPARE(grid->columnWidth(col), 136);
        QCOMPARE(grid->horizontalHeaderItem(0)->text() + grid->horizontalHeaderItem(1)->text() +
                     grid->horizontalHeaderItem(2)->text(),
                 QStringLiteral("时间成绩排名"));
        QCOMPARE(grid->horizontalHeader()->height(), 22);
        QCOMPARE(grid->horizontalHeader()->font().pixelSize(), 12);
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(grid->palette().color(QPalette::Highlight),
                 grid->palette().color(QPalette::ToolTipBase));
        QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        d->show();
        QCOMPARE(d->imgPic->movie()->speed(), 200);
        QCOMPARE(d->imgPic->movie()->state(), QMovie::Running);
    }

    void failPictures()
    {
        const auto d = Dialog();
        d->ShowFailPictures();
        d->show();
        QCOMPARE(d->imgPic->movie(), d->ImgPic2->movie());
        QCOMPARE(d->imgPic->geometry(), QRect(0, 2, 100, 84));
        QCOMPARE(d->imgText->geometry(), QRect(130, 61, 280, 40));
        QCOMPARE(d->imgPic->movie()->state(), QMovie::Running);
        QCOMPARE(d->imgPic->movie()->speed(), 200);
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("redone");
        QTest::addColumn<int>("newPapers");
        QTest::newRow("答题情况") << "BtnResult" << 1 << 0 << 0;
        QTest::newRow("重考本卷") << "BtnRedo" << 6 << 1 << 0;
        QTest::newRow("重新出题") << "BtnRe" << 8 << 0 << 1;
        QTest::newRow("close box") << "" << 2 << 0 << 0;
    }

    void outcomes()
    {
        QFETCH(QString, way);
        QFETCH(int, result);
        QFETCH(int, redone);
        QFETCH(int, newPapers);
        const auto d = Dialog();
        int newPaper = 0;
        bool openDuringHandler = false;
        const auto connection = connect(&btnMN, &QPushButton::clicked, [&] {
            ++newPaper;
            openDuringHandler = d->isVisible();
        });
        QTimer::singleShot(0, d.get(), [&] {
            if (way.isEmpty())
                d->close();
            else
                d->findChild<QPushButton*>(way)->click();
        });
        QCOMPARE(d->exec(), result);
        disconnect(connection);
        QCOMPARE(this->redone, redone);
        QCOMPARE(newPaper, newPapers);
        QCOMPARE(openDuringHandler, newPapers > 0);
    }

    void scoreList_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("selected");
        QTest::newRow("first exam") << QStringList{"87|2011-04-05 13:07:09"}
                                    << QStringList{"2011-04-05 13:07:09|87分|第1名"} << 0;
        QTest::newRow("five newest of seven")
            << QStringList{"100|2011-04-01 10:00:00", "99|2011-04-02 10:00:00",
                           "80|2011-04-03 10:00:00",  "95|2011-04-04 10:00:00",
                           "100|2011-04-05 10:00:00", "95|2011-04-06 10:00:00",
                           "91|2011-04-07 10:00:00"}
            << QStringList{"2011-04-05 10:00:00|100分|第1名", "2011-04-06 10:00:00|95分|第2名",
                           "2011-04-04 10:00:00|95分|第3名", "2011-04-07 10:00:00|91分|第4名",
                           "2011-04-03 10:00:00|80分|第5名"}
            << 3;
        QTest::newRow("same second")
            << QStringList{"90|2011-04-05 13:07:09", "96|2011-04-05 13:07:09"}
            << QStringList{"2011-04-05 13:07:09|96分|第1名", "2011-04-05 13:07:09|90分|第2名"} << 0;
        QTest::newRow("no history") << QStringList{} << QStringList{} << -1;
    }

    void scoreList()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, shown);
        QFETCH(int, selected);
        StoreScores(stored);
        CurrentDateline = QStringLiteral("2000-01-01 00:00:00");
        const auto d = Dialog();
        d->show();
        QCOMPARE(Shown(*d->advstrngrd), shown);
        QCOMPARE(SelectedRow(*d->advstrngrd), selected);
        const QString newest = stored.isEmpty() ? QStringLiteral("2000-01-01 00:00:00")
                                                : stored.last().section('|', 1);
        QCOMPARE(CurrentDateline, newest);
        QCOMPARE(ScoreList.size(), size_t(5));
        for (size_t k = 0; k < 5; ++k)
            QCOMPARE(ScoreList[k].id,
                     k < static_cast<size_t>(shown.size()) ? static_cast<int>(k) + 1 : 0);
        QCOMPARE(d->advstrngrd->horizontalHeader()->sortIndicatorSection(), 0);
        QCOMPARE(d->advstrngrd->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    // Coming back from being minimised the window is shown again by the system, as when the
    // learner minimises the main window while the result is up; the list is built once.
    void restoredFromMinimisedKeepsTheList()
    {
        StoreScores({"87|2011-04-04 10:00:00", "91|2011-04-05 13:07:09"});
        const auto d = Dialog();
        d->show();
        const QStringList shown = Shown(*d->advstrngrd);
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        // Not sendEvent, which would clear the flag.
        qApp->notify(d.get(), &restored);
        QCOMPARE(Shown(*d->advstrngrd), shown);
        QCOMPARE(SelectedRow(*d->advstrngrd), 0);
    }

    void headerClickSorts()
    {
        StoreScores(
            {"80|2011-04-03 10:00:00", "95|2011-04-01 10:00:00", "100|2011-04-02 10:00:00"});
        const auto d = Dialog();
        d->show();
        QTableWidget& grid = *d->advstrngrd;
        ClickHeader(grid, 0);
        QCOMPARE(grid.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(Shown(grid),
                 (QStringList{"2011-04-03 10:00:00|80分|第3名", "2011-04-02 10:00:00|100分|第1名",
                              "2011-04-01 10:00:00|95分|第2名"}));
        ClickHeader(grid, 1);
        QCOMPARE(grid.horizontalHeader()->sortIndicatorSection(), 1);
        const bool ascending = grid.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
        QStringList byScore{"2011-04-03 10:00:00|80分|第3名", "2011-04-01 10:00:00|95分|第2名",
                            "2011-04-02 10:00:00|100分|第1名"};
        if (!ascending)
            std::reverse(byScore.begin(), byScore.end());
        QCOMPARE(Shown(grid), byScore);
        // The selection stays with the current paper's row.
        QCOMPARE(grid.item(SelectedRow(grid), 0)->text(), QStringLiteral("2011-04-02 10:00:00"));
    }

    void deleteHistory_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void deleteHistory()
    {
        QFETCH(bool, ok);
        // More rows than the list shows: OK deletes them all.
        StoreScores({"70|2011-04-01 10:00:00", "71|2011-04-02 10:00:00", "72|2011-04-03 10:00:00",
                     "73|2011-04-04 10:00:00", "74|2011-04-05 10:00:00", "75|2011-04-06 10:00:00"});
        fixture::TNotices notices;
        notices.Answer(ok);
        const auto d = Dialog();
        d->show();
        const QStringList before = Shown(*d->advstrngrd);
        d->btnScore->click();
        QCOMPARE(notices.shown.size(), 1);
        QCOMPARE(notices.shown[0].text, QStringLiteral("确定要删除最近五次考试成绩记录吗？"));
        QCOMPARE(notices.shown[0].caption, QStringLiteral("确认"));
        QCOMPARE(notices.shown[0].icon, QMessageBox::Question);
        QCOMPARE(notices.shown[0].owner, d.get());
        QVERIFY(d->isVisible());
        QCOMPARE(Shown(*d->advstrngrd), ok ? QStringList() : before);
        QCOMPARE(StoredRows(), ok ? 0 : 6);
        QCOMPARE(d->advstrngrd->horizontalHeaderItem(0)->text(), QStringLiteral("时间"));

        // The next dialog reads the store afresh.
        StoreScores({"88|2011-04-07 10:00:00"});
        const auto next = Dialog();
        next->show();
        QCOMPARE(next->advstrngrd->rowCount(), ok ? 1 : 5);
    }
};

QTEST_MAIN(TestFrmExam)
#include "test_frm_exam.moc"
