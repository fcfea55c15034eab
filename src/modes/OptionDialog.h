#pragma once

#include "SelectionDialog.h"

#include <vector>

class QButtonGroup;
class QGroupBox;

// One item of a radio group and the questions it selects.
struct TOption
{
    QString caption;
    QString where;
};

// How a radio-group dialog turns its selection into a practice.
struct TOptionTable
{
    QString titlePrefix;
    QString inOrder; // the order of "顺序练习"; "随机练习" always draws at random
    std::vector<TOption> options;
    int initialIndex;
};

// A selection dialog whose choice is one item of a two-column radio group, itemOption.
class TOptionDialog : public TSelectionDialog
{
    Q_OBJECT
public:
    int ItemIndex() const;

protected:
    TOptionDialog(TPracticeStart& starts, QWidget* owner, const char* name, const QString& caption,
                  QSize client, const TOptionTable& table);
    void AddOptions(const QString& caption, QRect place);
    void StartChoice(bool random) override;

private:
    const TOptionTable& table;
    QButtonGroup* items = nullptr;
};
