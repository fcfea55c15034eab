#include "AnswerSheet.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <utility>

namespace {

// Paints a cell with its own colours; the selected cell takes the selection colour as its
// background and keeps its text colour, so a red number stays red under the selection.
class TCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, selected ? TAnswerSheet::SelectedCellColor
                                                : index.data(Qt::BackgroundRole).value<QColor>());
        painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        painter->setFont(option.font);
        painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    }
};

} // namespace

int TAnswerSheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int TAnswerSheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColCount;
}

QVariant TAnswerSheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const TCell& cell = Cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::BackgroundRole:
        return cell.background;
    case Qt::ForegroundRole:
        return cell.font;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

void TAnswerSheetModel::Reset(int rowCount, std::vector<TCell> newCells)
{
    beginResetModel();
    rows = rowCount;
    cells = std::move(newCells);
    endResetModel();
}

const TAnswerSheetModel::TCell& TAnswerSheetModel::Cell(int row, int col) const
{
    return cells.at(static_cast<size_t>(row * ColCount + col));
}

void TAnswerSheetModel::SetBackground(int row, int col, const QColor& color)
{
    cells.at(static_cast<size_t>(row * ColCount + col)).background = color;
    Changed(row, col);
}

void TAnswerSheetModel::SetFontColor(int row, int col, const QColor& color)
{
    cells.at(static_cast<size_t>(row * ColCount + col)).font = color;
    Changed(row, col);
}

void TAnswerSheetModel::Changed(int row, int col)
{
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::BackgroundRole, Qt::ForegroundRole});
}

TAnswerSheet::TAnswerSheet(QWidget* parent) : QTableView(parent)
{
    setModel(&model);
    setItemDelegate(new TCellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(68);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setShowGrid(true);
    setTabKeyNavigation(false);
}

int TAnswerSheet::Row() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int TAnswerSheet::Col() const
{
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

void TAnswerSheet::GotoCell(int row, int col)
{
    const QModelIndex i = model.index(row, col);
    setCurrentIndex(i);
    scrollTo(i);
}

QString TAnswerSheet::SelectedText() const
{
    return currentIndex().isValid() ? model.Cell(Row(), Col()).text : QString();
}

void TAnswerSheet::keyPressEvent(QKeyEvent* event)
{
    event->ignore();
}

// The view's own handling selects a cell under any button and while dragging, without a click
// for the ones that are not left clicks; the question on display would then differ from the
// cell shown selected. Here a left press selects the cell under it and its release clicks it;
// other buttons and drags do nothing.
void TAnswerSheet::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex i = indexAt(event->position().toPoint());
    if (!i.isValid())
        return;
    setCurrentIndex(i);
    pressed = true;
}

void TAnswerSheet::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void TAnswerSheet::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void TAnswerSheet::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !std::exchange(pressed, false))
        return;
    emit ClickCell(Row(), Col());
}
