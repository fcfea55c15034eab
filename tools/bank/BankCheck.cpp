#include "BankCheck.h"

#include "BankFiles.h"
#include "BankReader.h"

#include <QHash>
#include <QSet>
#include <array>
#include <span>

namespace bank {
namespace {

// 科目一's exam paper draws this many questions from chapters 1 to 7.
constexpr std::array<int, 7> ChapterQuota = {30, 20, 20, 10, 10, 5, 5};

struct TTypeQuota
{
    const char* kind;
    const char* where;
    int quota;
};
// 科目四's exam paper: so many of each type, a short type filled from the others.
const TTypeQuota SubjectFourPaper[] = {
    {"true/false", "where length(trim(a))=0", 20},
    {"choice", "where length(trim(a))>0 and length(result)=1", 20},
    {"multiple-choice", "where length(trim(a))>0 and length(result)>1", 10},
};
constexpr int SubjectFourPaperSize = 50;

struct TSelection
{
    const char* caption;
    const char* where;
};

// The trainer's own question-type and intensive-bank filters, so the counts are what it finds.
const TSelection QuestionTypes[] = {
    {"选择题", "where length(trim(a))>0"},
    {"判断题", "where length(trim(a))=0"},
    {"图片题", "where length(trim(imgname))>0"},
    {"易错题", "where difficult=1"},
    {"交通标志题", "where id>=380 and id<=573"},
    {"处罚题", "where item=5"},
    {"时间题", "where item=6"},
    {"距离题", "where item=7"},
    {"速度题", "where item=8"},
    {"交警手势题", "where id>=574 and id<=589"},
};
// 科目四 tells single from multiple choice and keeps the other types of 科目一.
const TSelection SubjectFourTypes[] = {
    {"选择题", "where length(trim(a))>0 and length(result)=1"},
    {"判断题", "where length(trim(a))=0"},
    {"多选题", "where length(trim(a))>0 and length(result)>1"},
    {"图片题", "where length(trim(imgname))>0"},
    {"易错题", "where difficult=1"},
    {"交通标志题", "where id>=380 and id<=573"},
    {"处罚题", "where item=5"},
    {"时间题", "where item=6"},
    {"距离题", "where item=7"},
    {"速度题", "where item=8"},
    {"交警手势题", "where id>=574 and id<=589"},
};
const TSelection IntensiveBanks[] = {
    {"强化练习一", "where qhlx>0 and qhlx<=100"},
    {"强化练习二", "where qhlx>100 and qhlx<=200"},
    {"强化练习三", "where qhlx>200 and qhlx<=300"},
    {"强化练习四", "where qhlx>300 and qhlx<=400"},
};

enum Column
{
    Id,
    Title,
    A,
    B,
    C,
    D,
    Imgname,
    Result,
    Chapter,
    Item,
    Difficult,
    Qhlx,
    Iserror,
    Explain
};

class TChecker
{
public:
    TChecker(const QString& dir, TSubject subject)
        : subject(subject), bankName(db::BankFileName(subject)),
          packName(db::PictureFileName(subject)), db(OpenQuestions(dir, subject))
    {
        for (const TPicture& p : ReadPack(dir, subject)) {
            pictureNames.insert(p.name.toCaseFolded());
            if (!IsReadablePicture(p.data))
                report.faults << QStringLiteral(
                                     "%1: picture \"%2\": not a readable PNG, BMP or GIF picture")
                                     .arg(packName, p.name);
        }
    }

    TCheckReport Run()
    {
        const std::vector<QStringList> rows = ReadQuestionRows(*db);
        std::array<int, 7> perChapter{};
        for (size_t r = 0; r < rows.size(); ++r) {
            row = static_cast<int>(r) + 1;
            id = rows[r][Id];
            CheckRow(rows[r], perChapter);
            if (rows[r][Explain].trimmed().isEmpty())
                ++withoutExplanation;
        }
        if (subject == TSubject::One)
            CheckChapterQuotas(perChapter);
        else
            CheckTypeQuotas(static_cast<int>(rows.size()));
        Summarise(static_cast<int>(rows.size()));
        return report;
    }

private:
    void CheckChapterQuotas(const std::array<int, 7>& perChapter)
    {
        for (int c = 0; c < 7; ++c)
            if (perChapter[c] < ChapterQuota[c])
                report.faults
                    << QStringLiteral(
                           "%1: chapter %2 holds %3 questions, fewer than the %4 of the exam paper")
                           .arg(bankName)
                           .arg(c + 1)
                           .arg(perChapter[c])
                           .arg(ChapterQuota[c]);
    }

    // A type the bank is short of leaves its place to the others, so only the paper's size is
    // a fault; a short type is told, since the paper then differs from the real test's.
    void CheckTypeQuotas(int total)
    {
        if (total < SubjectFourPaperSize)
            report.faults << QStringLiteral("%1: holds %2 questions, fewer than the %3 of the exam "
                                            "paper")
                                 .arg(bankName)
                                 .arg(total)
                                 .arg(SubjectFourPaperSize);
        for (const TTypeQuota& type : SubjectFourPaper) {
            const int n = Count(type.where);
            if (n < type.quota)
                report.warnings << QStringLiteral("%1: %2 %3 questions, fewer than the %4 of the "
                                                  "exam paper; the others fill their places")
                                       .arg(bankName)
                                       .arg(n)
                                       .arg(QLatin1String(type.kind))
                                       .arg(type.quota);
        }
    }

    QString Place(int column) const
    {
        return QStringLiteral("%1: row %2 (id %3), column \"%4\"")
            .arg(bankName)
            .arg(row)
            .arg(id, QuestionColumns()[column]);
    }
    void Fault(int column, const QString& message)
    {
        report.faults << Place(column) + QStringLiteral(": ") + message;
    }

    void CheckRow(const QStringList& values, std::array<int, 7>& perChapter)
    {
        for (int c = 0; c < values.size(); ++c)
            if (values[c].contains(QChar::ReplacementCharacter))
                Fault(c, QStringLiteral("not valid code page 936 text"));
        CheckId();
        TQuestion q;
        q.a = values[A];
        q.b = values[B];
        q.c = values[C];
        q.d = values[D];
        q.result = values[Result];
        const QString resultFault = ResultFault(q, subject);
        if (!resultFault.isEmpty())
            Fault(Result, resultFault);
        bool ok = false;
        const int chapter = values[Chapter].toInt(&ok, 10);
        if (!ok || chapter < 1 || chapter > 7)
            Fault(Chapter,
                  QStringLiteral("\"%1\" is not a chapter from 1 to 7").arg(values[Chapter]));
        else
            ++perChapter[chapter - 1];
        CheckPicture(values[Imgname]);
    }

    void CheckId()
    {
        bool ok = false;
        const int number = id.toInt(&ok, 10);
        if (!ok || id.trimmed() != id) {
            Fault(Id, QStringLiteral("\"%1\" is not an integer").arg(id));
            return;
        }
        if (rowOfId.contains(number))
            Fault(Id, QStringLiteral("the id is also on row %1").arg(rowOfId.value(number)));
        else
            rowOfId.insert(number, row);
    }

    void CheckPicture(const QString& imgname)
    {
        const QString name = imgname.trimmed();
        if (name.isEmpty())
            return;
        if (!pictureNames.contains(name.toCaseFolded()))
            Fault(Imgname, QStringLiteral("the picture \"%1\" is not in %2").arg(name, packName));
        else if (name != imgname)
            report.warnings << Place(Imgname) +
                                   QStringLiteral(
                                       ": blanks around \"%1\"; the exam paper keeps them")
                                       .arg(name);
    }

    int Count(const char* where)
    {
        const QByteArray sql = QByteArray("SELECT count(*) FROM examdata ") + where;
        TStatement count(*db, sql.constData());
        count.Step();
        return static_cast<int>(count.Integer(0));
    }

    void Summarise(int total)
    {
        report.summary << QStringLiteral("questions: %1").arg(total);
        for (int c = 1; c <= 7; ++c)
            report.summary << QStringLiteral("chapter %1: %2")
                                  .arg(c)
                                  .arg(Count(QByteArray("where chapter=" + QByteArray::number(c))
                                                 .constData()));
        const auto types = subject == TSubject::One ? std::span<const TSelection>(QuestionTypes)
                                                    : std::span<const TSelection>(SubjectFourTypes);
        for (const TSelection& s : types)
            report.summary
                << QStringLiteral("%1: %2").arg(QString::fromUtf8(s.caption)).arg(Count(s.where));
        int inBanks = 0;
        for (const TSelection& s : IntensiveBanks) {
            const int n = Count(s.where);
            inBanks += n;
            report.summary << QStringLiteral("%1: %2").arg(QString::fromUtf8(s.caption)).arg(n);
        }
        report.summary << QStringLiteral("outside the intensive banks: %1").arg(total - inBanks);
        report.summary << QStringLiteral("without an explanation: %1").arg(withoutExplanation);
    }

    TSubject subject;
    QString bankName, packName;
    std::unique_ptr<TConnection> db;
    QSet<QString> pictureNames;
    QHash<int, int> rowOfId;
    TCheckReport report;
    int row = 0;
    QString id;
    int withoutExplanation = 0;
};

} // namespace

TCheckReport CheckBank(const QString& dir, TSubject subject)
{
    return TChecker(dir, subject).Run();
}

} // namespace bank
