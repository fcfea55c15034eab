#include "StudyReport.h"

#include "Db.h"
#include "ExamPlan.h"
#include "FrmChapter.h"
#include "Mastery.h"
#include "Records.h"
#include "StudyPlan.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

QString ReadinessLine(const std::vector<TScorePoint>& scores)
{
    if (scores.empty())
        return QStringLiteral("还没有模拟考试成绩");
    const auto passes = [](auto first, auto last) {
        return static_cast<int>(
            std::count_if(first, last, [](const TScorePoint& s) { return s.score >= PassMark; }));
    };
    const int recent = std::min(RecentExams, static_cast<int>(scores.size()));
    const auto newest = scores.end() - recent;
    const int sum = std::accumulate(
        newest, scores.end(), 0, [](int total, const TScorePoint& s) { return total + s.score; });
    return QStringLiteral("共模拟考试%1次，通过%2次；最近%3次通过%4次，平均%5分")
        .arg(scores.size())
        .arg(passes(scores.begin(), scores.end()))
        .arg(recent)
        .arg(passes(newest, scores.end()))
        .arg(static_cast<double>(sum) / recent, 0, 'f', 1);
}

TStudyReport SummariseStudy(const std::vector<TQuestionTag>& bank,
                            const std::map<int, TMastery>& mastery,
                            const std::vector<TAnswerDay>& answerDays,
                            std::vector<TScorePoint> scores, QDate today, QDate examDate)
{
    TStudyReport r;
    r.today = today;
    r.paper = learning::Subject1Paper();
    r.scores = std::move(scores);
    for (int chapter = 1; chapter <= ChapterCount; ++chapter)
        r.chapters.push_back({.chapter = chapter});

    r.total = static_cast<int>(bank.size());
    for (const TQuestionTag& q : bank) {
        const auto found = mastery.find(q.id);
        const TMastery* m = found == mastery.end() ? nullptr : &found->second;
        const TMasteryState state = StateOf(m);
        r.practised += m ? 1 : 0;
        r.mastered += state == TMasteryState::Mastered ? 1 : 0;
        r.errors += q.inErrorBook ? 1 : 0;
        if (m)
            r.answered.push_back(*m);
        if (q.chapter < 1 || q.chapter > ChapterCount)
            continue;
        TChapterProgress& c = r.chapters[q.chapter - 1];
        switch (state) {
        case TMasteryState::Mastered:
            ++c.mastered;
            break;
        case TMasteryState::Learning:
            ++c.learning;
            break;
        case TMasteryState::Unpractised:
            ++c.unpractised;
            break;
        }
        c.errors += q.inErrorBook ? 1 : 0;
    }

    ChangeExamDate(r, examDate);

    const QDate first = today.addDays(1 - ReportDays);
    for (int k = 0; k < ReportDays; ++k)
        r.days.push_back({.day = first.addDays(k)});
    for (const TAnswerDay& d : answerDays) {
        const qint64 k = first.daysTo(d.day);
        if (k >= 0 && k < ReportDays)
            r.days[k] = d;
    }
    return r;
}

TStudyReport LoadStudyReport(QDate today, const std::map<int, TMastery>& mastery)
{
    const std::vector<TQuestionTag> bank = db::LoadQuestionTags();
    TStudyReport report =
        SummariseStudy(bank, mastery, db::LoadAnswerDays(today.addDays(1 - ReportDays)),
                       db::LoadAllScores(), today, db::LoadExamDate());
    // 科目一's paper is drawn by chapter, 科目四's by question type.
    const bool byType = db::CurrentSubject() == db::TSubject::Four;
    if (byType)
        report.paper = learning::Subject4Paper();
    std::vector<learning::TEstimateQuestion> questions;
    questions.reserve(bank.size());
    for (const TQuestionTag& q : bank)
        questions.push_back(
            {.id = q.id, .chapter = q.chapter, .stratum = byType ? q.kind : q.chapter - 1});
    report.estimate =
        learning::EstimatePass(questions, db::LoadAnswerOutcomes(), today, report.paper);
    return report;
}

void ChangeExamDate(TStudyReport& report, QDate examDate)
{
    report.examDate = examDate;
    const std::optional<int> cap = IntervalCap(report.today, examDate);
    report.due = static_cast<int>(
        std::count_if(report.answered.begin(), report.answered.end(),
                      [&](const TMastery& m) { return IsDue(m, report.today, cap); }));
}

QString PlanLine(const TStudyReport& report)
{
    return learning::PlanLine(report.today, report.examDate, report.due,
                              report.total - report.practised);
}

QString TotalsLine(const TStudyReport& report)
{
    return QStringLiteral("已练习%1/%2题，已掌握%3题，错题本%4题，今天该复习%5题")
        .arg(report.practised)
        .arg(report.total)
        .arg(report.mastered)
        .arg(report.errors)
        .arg(report.due);
}

QString ScoresText(const std::vector<TScorePoint>& scores)
{
    if (scores.empty())
        return ReadinessLine(scores);
    QStringList parts;
    for (size_t k = 0; k < scores.size(); ++k)
        parts << QStringLiteral("第%1次 %2 %3分")
                     .arg(k + 1)
                     .arg(scores[k].dateline)
                     .arg(scores[k].score);
    return QStringLiteral("及格线%1分。").arg(PassMark) + parts.join(QStringLiteral("；"));
}

int RightPercent(const TAnswerDay& day)
{
    return day.answers == 0 ? 0 : qRound(100.0 * day.right / day.answers);
}

QString DaysText(const std::vector<TAnswerDay>& days)
{
    QStringList parts;
    for (const TAnswerDay& d : days)
        if (d.answers > 0)
            parts << QStringLiteral("%1 答题%2道，答对%3道(%4%)")
                         .arg(d.day.toString(QStringLiteral("M月d日")))
                         .arg(d.answers)
                         .arg(d.right)
                         .arg(RightPercent(d));
    const qsizetype idle = static_cast<qsizetype>(days.size()) - parts.size();
    if (parts.isEmpty())
        return QStringLiteral("最近%1天没有答题").arg(days.size());
    QString text = parts.join(QStringLiteral("；"));
    if (idle > 0)
        text += QStringLiteral("；其余%1天没有答题").arg(idle);
    return text;
}

namespace {

// The chapter's name with the count of the bank on display: the entry of the chapter dialog
// carries the count of the full national bank, which a school's bank or the other subject's
// does not have.
QString ChapterHeading(const TChapterProgress& chapter)
{
    static const QRegularExpression count(QStringLiteral("\\(\\d+题\\)$"));
    return QStringLiteral("%1(%2题)")
        .arg(ChapterEntry(chapter.chapter).remove(count))
        .arg(chapter.mastered + chapter.learning + chapter.unpractised);
}

} // namespace

QString ChapterLabel(const TChapterProgress& chapter)
{
    return QStringLiteral("%1 错题%2").arg(ChapterHeading(chapter)).arg(chapter.errors);
}

QString ChaptersText(const std::vector<TChapterProgress>& chapters)
{
    QStringList parts;
    for (const TChapterProgress& c : chapters)
        parts << QStringLiteral("%1：已掌握%2道，学习中%3道，未练习%4道，错题本%5道")
                     .arg(ChapterHeading(c))
                     .arg(c.mastered)
                     .arg(c.learning)
                     .arg(c.unpractised)
                     .arg(c.errors);
    return parts.join(QStringLiteral("；"));
}
