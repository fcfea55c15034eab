#pragma once

#include <QChar>
#include <QString>
#include <array>

// The display text of a question: its number on the answer sheet, the stem and the four
// options, joined as the practice shows them. Both directions live here, so that what the
// feedback takes apart is what the store put together.
namespace db {

// The stem and the options A to D, as the bank holds them (an option may carry its letter,
// "A、户口簿"; a true/false question has four empty options).
struct TQuestionTexts
{
    QString title;
    std::array<QString, 4> options;
};

// "position." then the stem and each option, an empty line between them; an empty option keeps
// its line breaks.
QString ComposeQuestion(int position, const TQuestionTexts& texts);
// The parts of a composed text, the position left out. The options are the last four parts, so
// a stem that holds an empty line of its own stays whole.
TQuestionTexts SplitQuestion(const QString& composed);
// The option's text without the letter that the bank may put before it ("A、", "A.", "A．").
QString OptionText(const TQuestionTexts& texts, QChar letter);

} // namespace db
