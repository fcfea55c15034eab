#include "FrmConfig.h"

#include "Desktop.h"
#include "Guard.h"
#include "KeyBindings.h"
#include "Keys.h"
#include "Notices.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <array>

namespace {

const QString KeyboardSection = QStringLiteral("keyboard");
const QString KeyboardKeySection = QStringLiteral("keyboard_key");

// A sunken line along the top edge of its place, as the dialog's two separators are drawn.
class TTopLine : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(0, 0, width() - 1, 0);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, 1, width() - 1, 1);
    }
};

template <typename T> T* Place(QWidget* parent, const char* name, QRect place)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(place);
    return w;
}

void Label(QWidget* parent, const char* name, QRect place, const QString& text)
{
    Place<QLabel>(parent, name, place)->setText(text);
}

QPushButton* PictureButton(QWidget* parent, const char* name, QRect place, const QString& text,
                           const QString& picture)
{
    auto* b = Place<QPushButton>(parent, name, place);
    b->setText(text);
    b->setIcon(QIcon(picture));
    return b;
}

bool IsFocusMove(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

// Keys that the dialog itself would take as "close" or "press the default button".
bool IsDialogKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

TFrmConfig::TFrmConfig(QWidget* owner, TPractice& practice)
    : QDialog(owner, platform::DialogFrame), practice(practice),
      config(std::in_place, ConfigFilePath())
{
    setObjectName(QStringLiteral("FrmConfig"));
    setWindowTitle(QStringLiteral("键盘设置"));
    setFont(platform::DesignFont(QStringLiteral("Tahoma"), 11));
    setFixedSize(347, 325);

    auto* group = Place<QGroupBox>(this, "GroupBox1", {8, 8, 329, 257});
    group->setTitle(QStringLiteral("答题热键设置"));
    const QString keypad = QStringLiteral("键 (数字小键盘上的按键)");
    Label(group, "Label1", {24, 24, 99, 13}, QStringLiteral("答案A:使用 A 键 或"));
    edta = Box(group, "edta", 129, 21, 40);
    Label(group, "Label2", {175, 24, 131, 13}, keypad);
    Label(group, "Label4", {24, 51, 97, 13}, QStringLiteral("答案B:使用 B 键 或"));
    edtb = Box(group, "edtb", 129, 48, 40);
    Label(group, "Label3", {175, 51, 131, 13}, keypad);
    Label(group, "Label6", {24, 78, 99, 13}, QStringLiteral("答案C:使用 C 键 或"));
    edtc = Box(group, "edtc", 129, 75, 40);
    Label(group, "Label5", {175, 78, 131, 13}, keypad);
    Label(group, "Label7", {24, 105, 99, 13}, QStringLiteral("答案D:使用 D 键 或"));
    edtd = Box(group, "edtd", 129, 102, 40);
    Label(group, "Label8", {175, 105, 131, 13}, keypad);
    Place<TTopLine>(group, "Bevel1", {24, 128, 282, 9});
    Label(group, "Label15", {24, 143, 104, 13}, QStringLiteral("答案对:使用 A 键 或"));
    edty = Box(group, "edty", 129, 140, 40);
    Label(group, "Label13", {175, 143, 131, 13}, keypad);
    Label(group, "Label16", {24, 170, 103, 13}, QStringLiteral("答案错:使用 B 键 或"));
    edtn = Box(group, "edtn", 129, 167, 40);
    Label(group, "Label14", {175, 170, 131, 13}, keypad);
    Place<TTopLine>(group, "Bevel2", {24, 192, 282, 7});
    Label(group, "Label9", {24, 205, 196, 13},
          QStringLiteral("上一题:使用 ← 键 或 ↑ 键 或 －键 或"));
    edtpre = Box(group, "edtpre", 225, 202, 60);
    Label(group, "Label11", {293, 205, 15, 13}, QStringLiteral("键 "));
    Label(group, "Label10", {24, 232, 195, 13},
          QStringLiteral("下一题:使用 → 键 或 ↓ 键 或 + 键 或"));
    edtnext = Box(group, "edtnext", 225, 229, 60);
    Label(group, "Label12", {293, 232, 15, 13}, QStringLiteral("键 "));

    btnSave = PictureButton(this, "btnSave", {32, 284, 96, 25}, QStringLiteral("保存设置"),
                            QStringLiteral(":/settings/save.png"));
    btnDefault = PictureButton(this, "btnDefault", {218, 284, 96, 25}, QStringLiteral("恢复默认"),
                               QStringLiteral(":/settings/default.png"));
    // Both close the dialog even when their handler failed.
    connect(btnSave, &QPushButton::clicked, this, [this] {
        platform::Guard([this] { btnSaveClick(); });
        done(QDialog::Accepted);
    });
    connect(btnDefault, &QPushButton::clicked, this, [this] {
        platform::Guard([this] { btnDefaultClick(); });
        done(QDialog::Accepted);
    });

    QWidget* order[] = {edta, edtb, edtc, edtd, edty, edtn, edtpre, edtnext, btnSave, btnDefault};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    platform::Guard([this] { FormCreate(); });
    platform::CentreOnScreen(*this);
}

TFrmConfig::~TFrmConfig()
{
    FormDestroy();
}

QLineEdit* TFrmConfig::Box(QWidget* group, const char* name, int left, int top, int width)
{
    auto* box = Place<QLineEdit>(group, name, {left, top, width, 21});
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->installEventFilter(this);
    return box;
}

void TFrmConfig::FormCreate()
{
    const std::array<QLineEdit*, 8> shown = {edta, edtb, edtc, edtd, edty, edtn, edtpre, edtnext};
    for (size_t i = 0; i < shown.size(); ++i) {
        const TKeyBinding& k = KeyBindings[i];
        shown[i]->setText(config->ReadString(KeyboardSection, QString::fromLatin1(k.key),
                                             QString::fromLatin1(k.text)));
    }
}

void TFrmConfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The system shows the window again when it comes back from being minimised; the boxes are
    // read once per showing, so edits made before minimising stay.
    if (event->spontaneous())
        return;
    platform::Guard([this] { FormCreate(); });
    edta->setFocus();
}

bool TFrmConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsFocusMove(*key))
        return false;
    auto* box = static_cast<QLineEdit*>(watched);
    platform::Guard([&] { edtaKeyDown(box, platform::VirtualKey(*key)); });
    // The box does nothing with these once it is empty; the dialog must not close on them.
    return IsDialogKey(*key);
}

void TFrmConfig::keyPressEvent(QKeyEvent* event)
{
    // No button of this dialog cancels it, so Escape closes nothing.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TFrmConfig::edtaKeyDown(QLineEdit* sender, quint16 Key)
{
    // Unlike clear(), setting the text also empties the box's undo history, so its own undo
    // key cannot bring back what the capture replaced.
    sender->setText(QString());
    const QString name = sender->objectName();
    if (name == QLatin1String("edtpre") || name == QLatin1String("edtnext")) {
        if (Key == 33)
            sender->setText(QStringLiteral("PageUp"));
        else if (Key == 34)
            sender->setText(QStringLiteral("PageDown"));
    }
    config->WriteInteger(KeyboardKeySection, name.toUpper(), Key);
}

void TFrmConfig::btnSaveClick()
{
    for (QLineEdit* box : {edta, edtb, edtc, edtd, edtpre, edtnext, edtn, edty})
        config->WriteString(KeyboardSection, box->objectName().toUpper(), box->text());
    practice.SetKeyBoard();
}

void TFrmConfig::btnDefaultClick()
{
    if (platform::Notices::Confirm(QStringLiteral("确定要恢复默认设置吗？"),
                                   QMessageBox::Information, this)) {
        config->EraseSection(KeyboardSection);
        config->EraseSection(KeyboardKeySection);
    }
    practice.SetKeyBoard();
}

void TFrmConfig::FormDestroy()
{
    config.reset();
}
