#pragma once

#include "AnswerSheet.h"
#include "FrmMain.h"

#include <QCheckBox>
#include <QDateTime>
#include <QTest>
#include <functional>

namespace fixture {

// The main window shown on its first practice, the bank in order, with the move after an
// answer switched off unless the test wants it. A clock, when given, runs from before the
// window shows, so that its start already happens on the test's day.
struct TMainWindow
{
    explicit TMainWindow(bool autoNext = false, std::function<QDateTime()> clock = {})
    {
        if (clock)
            p.Clock = std::move(clock);
        w.show();
        if (!autoNext)
            QTest::mouseClick(c.ChkAutoNext, Qt::LeftButton);
    }

    // Displays the question in place n, as a click on its cell does.
    void Go(int n)
    {
        const TCellPos cell = CellOfQuestion(n);
        c.Grd->GotoCell(cell.row, cell.col);
        p.GrdClickCell(cell.row, cell.col);
    }

    TFrmMain w;
    const TMainControls& c = w.Controls();
    TPractice& p = w.Practice();
};

} // namespace fixture
