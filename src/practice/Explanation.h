#pragma once

#include "Records.h"

#include <QString>
#include <optional>
#include <vector>

// What the explanation panel says, line by line: each line a caption and its text. No lines:
// the panel hides and the banner shows.
struct TExplanationView
{
    struct TLine
    {
        QString caption;
        QString text;
        bool operator==(const TLine&) const = default;
    };
    std::vector<TLine> lines;
    // Feedback on a wrong answer, which the learner may close; an explanation goes with its
    // right answer instead.
    bool dismissible = false;

    bool Empty() const { return lines.empty(); }
    // Everything the panel says, as a screen reader reads it.
    QString PlainText() const;
    bool operator==(const TExplanationView&) const = default;
};

// The panel's memory of the practice: the feedback on the last wrong answer, kept while the
// practice moves on so that a learner who answers with auto-next still reads why.
class TExplanation
{
public:
    // Every answer given by a button or a key: a wrong one leaves feedback on it, any other
    // ends the feedback there was. The feedback says what was asked and what each letter
    // stood for, since by the time it is read another question may be on display. An answer that is
    // not judged yet (a mock exam before it is submitted) leaves none.
    void Answered(int number, const myRecord& question, const QString& given, bool judged);
    // A new practice, or the learner closing the feedback.
    void Clear();

    // First match wins: the explanation of the question shown while its right answer is
    // visible, then the feedback, then nothing. Nothing at all while answers are not judged.
    TExplanationView View(const myRecord* shown, bool answerVisible, bool judged) const;

private:
    struct TFeedback
    {
        int number;
        QString given;  // the learner's answer, each letter with its option's text
        QString result; // the right answer, the same way
        QString stem;   // on one line
        QString explain;
    };
    std::optional<TFeedback> feedback;
};
