#include "Selection.h"

#include "FrmChapter.h"
#include "FrmQhlx.h"
#include "FrmSpecial.h"
#include "Guard.h"

#include <QPushButton>

namespace {

// A dialog is built for every opening, so it always shows its initial selection; its result
// is of no interest, the dialog has started whatever was chosen.
template <typename Dialog> void OpenDialog(TPracticeStart& starts, QWidget* owner)
{
    Dialog dialog(starts, owner);
    dialog.exec();
}

} // namespace

TSelection::TSelection(const TMainControls& controls, TPracticeStart& starts, QObject* parent)
    : QObject(parent), c(controls), starts(starts)
{
    auto on = [this](QPushButton* button, void (TSelection::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { platform::Guard([&] { (this->*handler)(); }); });
    };
    on(c.BtnChapter, &TSelection::BtnChapterClick);
    on(c.BtnExam, &TSelection::BtnExamClick);
    on(c.BtnUpdate, &TSelection::BtnUpdateClick);
}

void TSelection::BtnChapterClick()
{
    OpenDialog<TFrmChapter>(starts, c.Window);
}

void TSelection::BtnExamClick()
{
    OpenDialog<TFrmSpecial>(starts, c.Window);
}

void TSelection::BtnUpdateClick()
{
    OpenDialog<TFrmQhlx>(starts, c.Window);
}
