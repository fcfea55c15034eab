#include "Fixture.h"

#include "BankFiles.h"
#include "Db.h"
#include "Paths.h"
#include "Sqlite.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <array>

namespace fixture {
namespace {

constexpr std::array<int, 7> ChapterSizes = {360, 229, 237, 100, 142, 60, 49};

// Ascending ids with a gap in every ten (never at 379, 380, 573, 574, 589 or 590, the bounds
// of the id-range question types).
std::vector<int> FullBankIds(size_t count)
{
    std::vector<int> ids;
    for (int n = 1; ids.size() < count; ++n)
        if (n % 10 != 5)
            ids.push_back(n);
    return ids;
}

// Every third question is true/false; position 50 of each 97 has an option of blanks only.
void SetKindAndAnswer(bank::TQuestion& q, int pos)
{
    if (pos % 3 == 0) {
        q.result = (pos / 3) % 2 ? QStringLiteral("错") : QStringLiteral("对");
        return;
    }
    q.a = pos % 97 == 50 ? QStringLiteral("  ")
                         : QStringLiteral("A、减速慢行，注意观察（%1）").arg(q.id);
    q.b = QStringLiteral("B、加速通过");
    q.c = QStringLiteral("C、鸣喇叭示意");
    q.d = QStringLiteral("D、靠右停车");
    q.result = QString(QChar(u'A' + pos % 4));
}

// Position 5 of each 11 shows a picture; its pack name is upper case on every other one,
// and the first one at 16 has blanks around its imgname. An exam paper keeps those blanks, so
// the pack holds that picture under its padded name too: a paper drawn at random shows every
// picture, whichever questions it draws.
void SetPicture(bank::TQuestion& q, int pos, const QByteArray& png,
                std::vector<bank::TPicture>& pack)
{
    if (pos % 11 != 5)
        return;
    const QString name = QStringLiteral("tu%1").arg(q.id);
    pack.push_back({pos % 22 == 5 ? name.toUpper() : name, png});
    q.imgname = name;
    if (pos == 16) {
        q.imgname = QStringLiteral(" %1 ").arg(name);
        pack.push_back({q.imgname, png});
    }
}

std::pair<std::vector<bank::TQuestion>, std::vector<bank::TPicture>> FullBankContent(int times)
{
    size_t total = 0;
    for (int size : ChapterSizes)
        total += static_cast<size_t>(size * times);
    const std::vector<int> ids = FullBankIds(total);
    const QByteArray png = PngPicture();
    std::vector<bank::TQuestion> questions;
    std::vector<bank::TPicture> pack;
    int pos = 0;
    for (int chapter = 1; chapter <= 7; ++chapter) {
        for (int k = 0; k < ChapterSizes[chapter - 1] * times; ++k, ++pos) {
            bank::TQuestion q;
            q.id = ids[static_cast<size_t>(pos)];
            q.chapter = chapter;
            q.title =
                QStringLiteral("第%1题：机动车在道路上行驶，遇到这种情况时应当怎样做？").arg(q.id);
            SetKindAndAnswer(q, pos);
            SetPicture(q, pos, png, pack);
            q.item = pos % 13 < 4 ? 5 + pos % 13 : 1 + pos % 4;
            q.difficult = pos % 7 == 3 ? 1 : 0;
            q.qhlx = pos % 402;
            q.iserror = pos % 50 == 7 ? 1 : 0;
            questions.push_back(std::move(q));
        }
    }
    return {std::move(questions), std::move(pack)};
}

constexpr std::array<int, 7> SubjectFourChapterSizes = {100, 120, 80, 50, 70, 60, 40};
const QString MultipleAnswers[] = {"AB", "ACD", "BD", "ABCD", "BC"};

// Positions 0 and 1 of every five are true/false, 2 and 3 choice, 4 multiple choice; position
// 6 of each 13 shows a picture.
bank::TQuestion SubjectFourQuestion(int id, int chapter, int pos)
{
    bank::TQuestion q;
    switch (pos % 5) {
    case 0:
    case 1:
        q = TrueFalseQuestion(id, chapter, pos % 2 ? QStringLiteral("错") : QStringLiteral("对"));
        break;
    case 2:
    case 3:
        q = ChoiceQuestion(id, chapter, QString(QChar(u'A' + pos % 4)));
        break;
    default:
        q = MultipleChoiceQuestion(id, chapter, MultipleAnswers[(pos / 5) % 5]);
    }
    q.title = QStringLiteral("科目四第%1题：").arg(id) + q.title;
    if (pos % 13 == 6)
        q.imgname = QStringLiteral("k4_%1").arg(id);
    q.difficult = pos % 7 == 3 ? 1 : 0;
    q.qhlx = pos % 450;
    return q;
}

// The working folder before any bank folder took its place; replacing one bank folder by the
// next overlaps their lifetimes, so each hands back to this rather than to its predecessor.
const QString& HomeDir()
{
    static const QString home = QDir::currentPath();
    return home;
}

} // namespace

TBankFolder::TBankFolder(std::vector<bank::TQuestion> questions,
                         std::vector<bank::TPicture> pictures, bool withBank)
    : questions(std::move(questions)), pictures(std::move(pictures))
{
    HomeDir();
    db::CloseQuestionStore();
    if (withBank)
        bank::WriteBank(dir.path(), this->questions, this->pictures);
    QDir::setCurrent(dir.path());
    platform::OverrideExecutableDir(dir.path());
}

TBankFolder::~TBankFolder()
{
    db::CloseQuestionStore();
    if (QDir::currentPath() == QDir(Path()).canonicalPath())
        QDir::setCurrent(HomeDir());
    if (platform::ExecutableDir() == Path())
        platform::OverrideExecutableDir(QString());
}

void TBankFolder::AddSubjectFour(const std::vector<bank::TQuestion>& questions,
                                 const std::vector<bank::TPicture>& pictures)
{
    bank::WriteBank(dir.path(), questions, pictures, bank::TSubject::Four);
}

std::pair<std::vector<bank::TQuestion>, std::vector<bank::TPicture>> SubjectFourContent()
{
    const QByteArray png = PngPicture(40, 30, Qt::darkGreen);
    std::vector<bank::TQuestion> questions;
    std::vector<bank::TPicture> pack;
    int pos = 0;
    for (int chapter = 1; chapter <= 7; ++chapter)
        for (int k = 0; k < SubjectFourChapterSizes[chapter - 1]; ++k, ++pos) {
            questions.push_back(SubjectFourQuestion(pos + 1, chapter, pos));
            if (!questions.back().imgname.isEmpty())
                pack.push_back({questions.back().imgname, png});
        }
    return {std::move(questions), std::move(pack)};
}

std::unique_ptr<TBankFolder> BothSubjects()
{
    auto folder = FullBank();
    auto [questions, pictures] = SubjectFourContent();
    folder->AddSubjectFour(questions, pictures);
    return folder;
}

std::unique_ptr<TBankFolder> SubjectFourOnly()
{
    auto folder = EmptyFolder();
    auto [questions, pictures] = SubjectFourContent();
    folder->AddSubjectFour(questions, pictures);
    return folder;
}

std::unique_ptr<TBankFolder> FullBank(int times)
{
    auto [questions, pictures] = FullBankContent(times);
    return std::make_unique<TBankFolder>(std::move(questions), std::move(pictures));
}

std::unique_ptr<TBankFolder> SmallBank(std::vector<bank::TQuestion> questions,
                                       std::vector<bank::TPicture> pictures)
{
    return std::make_unique<TBankFolder>(std::move(questions), std::move(pictures));
}

std::unique_ptr<TBankFolder> EmptyFolder()
{
    return std::make_unique<TBankFolder>(std::vector<bank::TQuestion>(),
                                         std::vector<bank::TPicture>(), false);
}

void RemoveExplainColumn(const TBankFolder& folder)
{
    db::CloseQuestionStore();
    bank::TConnection db(folder.FilePath(bank::QuestionsFile), bank::TConnection::Mode::ReadWrite,
                         bank::QuestionsKey);
    db.Exec("CREATE TABLE t(id INTEGER PRIMARY KEY, title TEXT, a TEXT, b TEXT, c TEXT, d TEXT, "
            "imgname TEXT, result TEXT, chapter INTEGER, item INTEGER, difficult INTEGER, "
            "qhlx INTEGER, iserror INTEGER); INSERT INTO t SELECT id, title, a, b, c, d, imgname, "
            "result, chapter, item, difficult, qhlx, iserror FROM examdata; DROP TABLE examdata; "
            "ALTER TABLE t RENAME TO examdata;");
}

void RefuseMarks()
{
    db::GetQuestionStore().ExecSQL(QStringLiteral("alter table examdata rename to examdata_rw"));
    db::GetQuestionStore().ExecSQL(
        QStringLiteral("create view examdata as select * from examdata_rw"));
}

bank::TQuestion ChoiceQuestion(int id, int chapter, const QString& result)
{
    bank::TQuestion q;
    q.id = id;
    q.chapter = chapter;
    q.title = QStringLiteral("选择题%1：前方路口信号灯变为黄灯时应当怎样？").arg(id);
    q.a = QStringLiteral("加速通过");
    q.b = QStringLiteral("停车等待");
    q.c = QStringLiteral("鸣喇叭");
    q.d = QStringLiteral("掉头");
    q.result = result;
    return q;
}

std::vector<bank::TQuestion> Choices(int n, int marked)
{
    std::vector<bank::TQuestion> questions;
    for (int id = 1; id <= n; ++id) {
        questions.push_back(ChoiceQuestion(id, 1));
        questions.back().iserror = id <= marked ? 1 : 0;
    }
    return questions;
}

bank::TQuestion MultipleChoiceQuestion(int id, int chapter, const QString& result)
{
    bank::TQuestion q = ChoiceQuestion(id, chapter, result);
    q.title = QStringLiteral("多选题%1：夜间在没有路灯的道路上行驶，下列做法正确的是？").arg(id);
    q.a = QStringLiteral("使用远光灯，会车时改用近光灯");
    q.b = QStringLiteral("紧跟前车行驶");
    q.c = QStringLiteral("降低车速");
    q.d = QStringLiteral("频繁变更车道");
    return q;
}

bank::TQuestion TrueFalseQuestion(int id, int chapter, const QString& result)
{
    bank::TQuestion q;
    q.id = id;
    q.chapter = chapter;
    q.title = QStringLiteral("判断题%1：驾驶机动车时可以接打手机。").arg(id);
    q.result = result;
    return q;
}

QByteArray PngPicture(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace fixture
