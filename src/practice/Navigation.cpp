#include "Practice.h"

#include "AnswerSheet.h"
#include "KeyBindings.h"
#include "Notices.h"
#include "ProfileStrings.h"

#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// A key set: fixed codes plus one binding, all within 0 to 255. A key without a virtual-key
// code (0) is in none: no Windows key sends 0, so a binding of 0, which the settings dialog
// stores for such a key, must not make every other uncoded key answer.
bool InSet(quint16 key, std::initializer_list<quint16> fixed, quint16 binding)
{
    if (key == 0 || key > 255)
        return false;
    return std::find(fixed.begin(), fixed.end(), key) != fixed.end() ||
           (binding <= 255 && key == binding);
}

} // namespace

void TPractice::GoToQuestion(int n)
{
    const TCellPos cell = CellOfQuestion(n);
    c.Grd->GotoCell(cell.row, cell.col);
    GrdClickCell(0, 0);
}

void TPractice::BtnPreClick()
{
    if (CurrentNo - 1 <= 0) {
        platform::Notices::Inform(QStringLiteral("当前已是该类试题中的第一道题！"), c.Window);
        return;
    }
    GoToQuestion(CurrentNo - 1);
}

void TPractice::BtnNextClick()
{
    if (CurrentNo + 1 > QuestionCount) {
        platform::Notices::Inform(QStringLiteral("当前已是该类试题中的最后一道题！"), c.Window);
        return;
    }
    GoToQuestion(CurrentNo + 1);
}

void TPractice::GrdClickCell(int, int)
{
    const QString text = c.Grd->SelectedText();
    if (text.isEmpty())
        return;
    CurrentNo = text.toInt();
    c.Prb->setValue(CurrentNo);
    ShowQuestion();
}

void TPractice::PrbMouseDown(int X)
{
    const int min = c.Prb->minimum();
    const int max = c.Prb->maximum();
    const double share = static_cast<double>((max - min) * X) / c.Prb->width();
    const int p = static_cast<int>(std::rint(share)) + min; // a half goes to the even neighbour
    c.Prb->setValue(std::clamp(p, min, max));
    CurrentNo = c.Prb->value();
    const TCellPos cell = CellOfQuestion(CurrentNo);
    c.Grd->GotoCell(cell.row, cell.col);
    ShowQuestion();
}

void TPractice::FormKeyUp(quint16 Key)
{
    if (!Current())
        return;
    SetKeyBoard();
    c.Grd->setFocus();
    if (InSet(Key, {37, 38, 109}, KeyPrev))
        c.BtnPre->click();
    if (InSet(Key, {39, 40, 107}, KeyNext))
        c.BtnNext->click();
    if (ExamMode && Key == 13)
        c.BtnSetError->click();
    const myRecord* q = Current();
    if (!q)
        return;
    if (q->style != 0) {
        if (InSet(Key, {65}, KeyYes))
            c.BtnYes->click();
        if (InSet(Key, {66}, KeyNo))
            c.BtnNo->click();
        return;
    }
    if (InSet(Key, {65}, KeyA))
        c.BtnA->click();
    if (InSet(Key, {66}, KeyB))
        c.BtnB->click();
    if (InSet(Key, {67}, KeyC))
        c.BtnC->click();
    if (InSet(Key, {68}, KeyD))
        c.BtnD->click();
    // Space gives the letters chosen; it stays free everywhere else.
    if (q->multiple && Key == 32)
        c.BtnConfirm->click();
}

void TPractice::SetKeyBoard()
{
    const platform::TProfileFile config(ConfigFilePath());
    const auto bindings = Bindings(*this);
    for (size_t i = 0; i < bindings.size(); ++i) {
        const TKeyBinding& k = KeyBindings[i];
        *bindings[i] = static_cast<quint16>(
            config.ReadInteger(QStringLiteral("keyboard_key"), QString::fromLatin1(k.key), k.code));
    }
}

bool TPractice::IsBound(quint16 key) const
{
    const auto bindings = Bindings(*this);
    return std::any_of(bindings.begin(), bindings.end(),
                       [key](const quint16* binding) { return *binding == key; });
}
