#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <vector>

// The cells of the answer sheet: ten columns, each cell with its text, background and font
// colour. Kept flat so that a whole-bank reset of 1180 cells stays instant.
class TAnswerSheetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColCount = 10;

    struct TCell
    {
        QString text;
        QColor background;
        QColor font;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Replaces every cell at once.
    void Reset(int rows, std::vector<TCell> cells);
    const TCell& Cell(int row, int col) const;
    void SetBackground(int row, int col, const QColor& color);
    void SetFontColor(int row, int col, const QColor& color);

private:
    void Changed(int row, int col);
    int rows = 0;
    std::vector<TCell> cells;
};

// The answer sheet grid. It takes no keys of its own (the main window's key handling moves
// through the questions) and reports clicks on a cell. Only the left button chooses a cell, and
// only by a click: the selected cell always names the question on display.
class TAnswerSheet : public QTableView
{
    Q_OBJECT
public:
    static inline const QColor SelectedCellColor{216, 228, 248};

    explicit TAnswerSheet(QWidget* parent = nullptr);

    TAnswerSheetModel& Model() { return model; }
    const TAnswerSheetModel& Model() const { return model; }
    int RowCount() const { return model.rowCount(); }
    int Row() const;
    int Col() const;
    // Makes the cell current and scrolls it into view, without a click.
    void GotoCell(int row, int col);
    QString SelectedText() const;

signals:
    void ClickCell(int row, int col);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TAnswerSheetModel model;
    // A left press chose a cell; its release is the click.
    bool pressed = false;
};
