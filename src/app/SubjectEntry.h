#pragma once

#include <functional>

class QPushButton;
class QWidget;
class TPractice;
class TPracticeStart;

// The strip entry BtnSubject: the subject on screen, "科目一" or "科目四", with a menu that
// switches to the other. The subject kept in Config.cfg is chosen here, before the first start,
// so start-up opens only its bank. A switch is a start of the other bank's whole bank in order;
// subjectChanged then lets the features that keep a subject's data read the new one.
QPushButton* AddSubjectEntry(QWidget& window, TPractice& practice, TPracticeStart& starts,
                             std::function<void()> subjectChanged);
