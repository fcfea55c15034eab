#include "OptionDialog.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr int Columns = 2;

// Fills the box column by column, the items sharing its height below the caption evenly.
QRect ItemPlace(const QGroupBox& box, int index, int count)
{
    const int perColumn = (count + Columns - 1) / Columns;
    const int captionHeight = QFontMetrics(box.font()).height();
    const int usable = box.height() - captionHeight - 5;
    const int width = (box.width() - 10) / Columns;
    const int height = usable / perColumn;
    const int top = captionHeight + 1 + (usable % perColumn) / 2;
    return {index / perColumn * width + 8, index % perColumn * height + top, width, height};
}

} // namespace

TOptionDialog::TOptionDialog(TPracticeStart& starts, QWidget* owner, const char* name,
                             const QString& caption, QSize client, const TOptionTable& table)
    : TSelectionDialog(starts, owner, name, caption, client), table(table)
{
}

void TOptionDialog::AddOptions(const QString& caption, QRect place)
{
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(QStringLiteral("itemOption"));
    box->setGeometry(place);
    items = new QButtonGroup(box);
    const int count = static_cast<int>(table.options.size());
    for (int i = 0; i < count; ++i) {
        auto* item = new QRadioButton(table.options[static_cast<size_t>(i)].caption, box);
        item->setObjectName(QStringLiteral("itemOption%1").arg(i));
        item->setGeometry(ItemPlace(*box, i, count));
        items->addButton(item, i);
    }
    items->button(table.initialIndex)->setChecked(true);
}

int TOptionDialog::ItemIndex() const
{
    return items->checkedId();
}

void TOptionDialog::StartChoice(bool random)
{
    const TOption& option = table.options.at(static_cast<size_t>(ItemIndex()));
    starts.SetSpecialExam(random ? QStringLiteral("order by random()") : table.inOrder,
                          option.where, table.titlePrefix + option.caption);
}
