#include "BankCarry.h"
#include "BankCheck.h"
#include "BankError.h"
#include "BankFiles.h"
#include "BankSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const char* const Usage =
    "usage: jiakao-bank build SOURCE_DIR OUT_DIR\n"
    "       jiakao-bank check DIR\n"
    "       jiakao-bank dump DIR SOURCE_DIR\n"
    "       jiakao-bank carry OLD_DIR NEW_DIR [--subject 4]\n"
    "SOURCE_DIR holds questions.csv and pictures/; DIR and OUT_DIR hold Test.db and "
    "Image.db.\n"
    "carry copies the learner's record (error marks, scores, answers, plan) of OLD_DIR's bank "
    "into NEW_DIR's\n"
    "for the questions NEW_DIR's bank holds.\n"
    "Each command takes --subject 1 (the default) or --subject 4; 科目四's bank is Test4.db and "
    "Image4.db.\n";

void Print(FILE* to, const QString& line)
{
    std::fprintf(to, "%s\n", line.toUtf8().constData());
}

int Check(const QString& dir, bank::TSubject subject)
{
    const bank::TCheckReport report = bank::CheckBank(dir, subject);
    for (const QString& fault : report.faults)
        Print(stdout, QStringLiteral("error: ") + fault);
    for (const QString& warning : report.warnings)
        Print(stdout, QStringLiteral("warning: ") + warning);
    for (const QString& line : report.summary)
        Print(stdout, line);
    Print(stdout, report.Sound() ? QStringLiteral("the bank is sound")
                                 : QStringLiteral("%1 errors").arg(report.faults.size()));
    return report.Sound() ? 0 : 1;
}

QString JoinedIds(const std::vector<int>& ids)
{
    QStringList texts;
    for (int id : ids)
        texts << QString::number(id);
    return texts.join(QStringLiteral(", "));
}

int Carry(const QString& oldDir, const QString& newDir, const QString& bankFile)
{
    const QString newBank = QDir(newDir).filePath(bankFile);
    const bank::TCarryReport r = bank::CarryRecord(QDir(oldDir).filePath(bankFile), newBank);
    Print(stdout, QStringLiteral("carried into %1: %2 error marks, %3 scores, %4 answers, %5 plan "
                                 "entries")
                      .arg(newBank)
                      .arg(r.marks)
                      .arg(r.scores)
                      .arg(r.answers)
                      .arg(r.plan));
    if (r.droppedIds.empty())
        Print(stdout, QStringLiteral("dropped: none"));
    else
        Print(stdout, QStringLiteral("dropped, not in the new bank: %1 ids with %2 error marks and "
                                     "%3 answers: %4")
                          .arg(r.droppedIds.size())
                          .arg(r.droppedMarks)
                          .arg(r.droppedAnswers)
                          .arg(JoinedIds(r.droppedIds)));
    return 0;
}

// Takes "--subject N" out of the arguments, wherever it stands; 科目一 without it.
std::optional<bank::TSubject> TakeSubject(QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--subject"));
    if (at < 0)
        return bank::TSubject::One;
    const QString number = args.value(at + 1);
    args.remove(at, std::min<qsizetype>(2, args.size() - at));
    if (number == QLatin1String("1"))
        return bank::TSubject::One;
    if (number == QLatin1String("4"))
        return bank::TSubject::Four;
    return std::nullopt;
}

int UsageError()
{
    std::fputs(Usage, stderr);
    return 2;
}

int Run(QStringList args)
{
    const std::optional<bank::TSubject> subject = TakeSubject(args);
    if (!subject)
        return UsageError();
    const QString command = args.value(0);
    if (command == QLatin1String("build") && args.size() == 3) {
        bank::BuildBank(args[1], args[2], *subject);
        return 0;
    }
    if (command == QLatin1String("check") && args.size() == 2)
        return Check(args[1], *subject);
    if (command == QLatin1String("dump") && args.size() == 3) {
        bank::DumpBank(args[1], args[2], *subject);
        return 0;
    }
    if (command == QLatin1String("carry") && args.size() == 3)
        return Carry(args[1], args[2], db::BankFileName(*subject));
    return UsageError();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    try {
        return Run(app.arguments().mid(1));
    } catch (const bank::EBankError& e) {
        Print(stderr, QStringLiteral("jiakao-bank: ") + e.Message());
        return 1;
    }
}
