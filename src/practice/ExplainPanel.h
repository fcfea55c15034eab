#pragma once

#include "Explanation.h"

#include <QFrame>

class QLabel;
class QScrollArea;
class QToolButton;

// The explanation panel in the banner strip: word-wrapped text that scrolls when long, and a
// close box while it shows feedback. It never takes the keyboard focus, so the practice keys
// keep working whatever the learner clicks in it.
class TExplainPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TExplainPanel(QWidget* parent = nullptr);

    // Shows the view, or hides the panel when it is empty.
    void Show(const TExplanationView& view);
    const TExplanationView& Shown() const { return shown; }

signals:
    // The learner closed the feedback.
    void Dismissed();

private:
    QScrollArea* scroll;
    QLabel* text;
    QToolButton* close;
    TExplanationView shown;
};
