#pragma once

class QPushButton;
class QWidget;
class TPractice;
class TReview;

// The banner strip's entry "学习报告". While a mock exam paper waits for its
// submission the report stays shut, since its counts would tell right from
// wrong; once the paper is handed in it opens, reviewed or not. The report's
// mastery is derived from the record at each opening, and its 巩固练习 presses
// the strip's own. An exam date set in the report moves the strip's count at once.
QPushButton* AddReportEntry(QWidget& window, const TPractice& practice, TReview& review);
