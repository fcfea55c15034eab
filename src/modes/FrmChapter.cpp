#include "FrmChapter.h"

#include "Db.h"
#include "Guard.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <array>

namespace {

// Entry k is chapter k; the counts in brackets are part of the text, not taken from the bank.
const std::array<const char16_t*, ChapterCount + 1> ChapterEntries = {
    u"所有试题顺序练习(1177题)",
    u"一.道路交通安全法律、法规和规章(360题)",
    u"二.交通信号及含义(229题)",
    u"三.安全行车、文明驾驶知识(237题)",
    u"四.恶劣气象和复杂道路条件下的安全驾驶知识(100题)",
    u"五.紧急情况时临危处置知识(142题)",
    u"六.机动车构造和安全装置、检查和维护基本知识(60题)",
    u"七.事故后的自救、急救，以及常见危险化学品等知识(49题)",
};

// 科目四's chapters, whose counts are read from its bank.
const std::array<const char16_t*, ChapterCount> SubjectFourChapters = {
    u"一.违法行为综合判断与案例分析",       u"二.安全行车常识",
    u"三.常见交通标志、标线和交通手势辨识", u"四.驾驶职业道德和文明驾驶常识",
    u"五.恶劣气候和复杂道路条件下驾驶常识", u"六.紧急情况下避险常识",
    u"七.交通事故救护及常见危化品处置常识",
};

QString EntryOnScreen(int k)
{
    if (db::CurrentSubject() == db::TSubject::One)
        return ChapterEntry(k);
    if (k == 0)
        return QStringLiteral("所有试题顺序练习(%1题)").arg(db::CountQuestions(QString()));
    return QStringLiteral("%1(%2题)")
        .arg(QString::fromUtf16(SubjectFourChapters.at(k - 1)))
        .arg(db::CountQuestions(QStringLiteral("where chapter=%1").arg(k)));
}

} // namespace

QString ChapterEntry(int k)
{
    return QString::fromUtf16(ChapterEntries.at(k));
}

TFrmChapter::TFrmChapter(TPracticeStart& starts, QWidget* owner)
    : TSelectionDialog(starts, owner, "FrmChapter", QStringLiteral("章节练习"), {370, 227})
{
    auto* group = new QGroupBox(QStringLiteral("章节选择"), this);
    group->setObjectName(QStringLiteral("GroupBox"));
    group->setGeometry(8, 8, 353, 153);
    Lib = new QListWidget(group);
    Lib->setObjectName(QStringLiteral("Lib"));
    Lib->setGeometry(16, 24, 321, 113);
    for (int k = 0; k <= ChapterCount; ++k)
        Lib->addItem(EntryOnScreen(k));
    AddStartButtons({56, 182, 90, 30}, {224, 181, 90, 30});
    connect(Lib, &QListWidget::itemDoubleClicked, this,
            [this] { platform::Guard([this] { LibDblClick(); }); });
    FormCreate();
}

void TFrmChapter::FormCreate()
{
    Lib->setCurrentRow(0);
}

void TFrmChapter::LibDblClick()
{
    BtnOrder->click();
}

void TFrmChapter::StartChoice(bool random)
{
    const int i = Lib->currentRow();
    // Without a current entry the list is as it was created, on the whole bank.
    if (i <= 0) {
        starts.BtnOrderClick();
        return;
    }
    starts.SetChapterExam(random ? QStringLiteral("order by random()")
                                 : QStringLiteral("order by id"),
                          QStringLiteral("where chapter=%1").arg(i), Lib->item(i)->text());
}
