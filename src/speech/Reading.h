#pragma once

#include "Records.h"

#include <QStringList>

class TPractice;

// What is read aloud for a question, part by part, a short pause between the parts: its
// number, then each line of its text as the learner sees it, the question to a true/false
// question, and with the answer only when the caller allows it.
QStringList ReadingOf(const myRecord& question, bool withAnswer);
// The correct answer is on display and no paper waits for its submission: only then may it
// be read, whatever else shows it.
bool AnswerMayBeRead(const TPractice& practice);
