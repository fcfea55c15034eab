#pragma once

#include <QLabel>

// The question text. Its lines stand exactly the font's pixel size apart, as the layout's
// design font sets them, whatever line height the installed substitute has: the text with its
// four options then fits the label's fixed height. Lines break between any two Chinese
// characters, and inside a word only where the word alone is wider than the label. The text
// stays plain, as it was set.
class TQuestionLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TQuestionLabel(QWidget* parent = nullptr);

    // The distance between two lines' baselines, in pixels.
    qreal LineHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
